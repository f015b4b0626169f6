// Where the catalog offers its commands: the order of every bar, the menu
// entries, the shortcuts, the dialog commands and the entries without action.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/document/text_buffer.h"
#include "core/markup/markup_catalog.h"

namespace markloom::markup {
namespace {

using Names = std::vector<std::string>;

// What a bar item is known by: its caption, or its command for image buttons.
Names barLabels(BarId bar) {
  Names out;
  for (const Command* c : barCommands(bar)) out.emplace_back(c->bar.caption.empty() ? c->key() : c->bar.caption);
  return out;
}

struct BarCase {
  std::string name;
  BarId bar;
  Names labels;
};
void PrintTo(const BarCase& c, std::ostream* os) { *os << c.name; }

class MarkupBarOrder : public ::testing::TestWithParam<BarCase> {};

TEST_P(MarkupBarOrder, ShowsItsItemsLeftToRight) { EXPECT_EQ(barLabels(GetParam().bar), GetParam().labels); }

INSTANTIATE_TEST_SUITE_P(
    EveryBar, MarkupBarOrder,
    ::testing::Values(
        BarCase{"Formatting",
                BarId::Formatting,
                {"fontboxChange", "dxBarColorCombo1Change", "Bold1Click", "Italic1Click", "Underline1Click",
                 "LeftBtnClick", "rghtbtnClick", "cntbtnClick"}},
        BarCase{"Common",
                BarId::Common,
                {"Image1Click", "RolloverImage1Click", "Hyperlink1Click", "Anchor1Click", "JavaScript1Click",
                 "JavaApplet1Click", "Shockwave1Click", "Video1", "Audio1", "QuickTime1Click", "RealVideo1Click",
                 "N12Click", "ActiveXControl1Click", "Plugin1Click", "LineBreak1Click", "Layer1Click",
                 "Timestamp1Click"}},
        BarCase{"Frames", BarId::Frames, {"frameset", "frame", "iframe", "noframes"}},
        BarCase{"Tables", BarId::Tables, {"table", "tbody", "thead", "tfoot", "tr", "td"}},
        BarCase{"Forms",
                BarId::Forms,
                {"FormButtonClick", "FormInputButtonClick", "FormCheckBoxClick", "FormRadioClick", "FormEditClick",
                 "FormMemoClick", "FormComboClick", "FormFileClick", "FormImageClick", "FormHiddenClick"}},
        BarCase{"Lists", BarId::Lists, {"Wizard", "UL", "OL", "LI", "DD", "DT", "M"}},
        BarCase{"WML",
                BarId::WML,
                {"access", "card", "go", "big/small", "ToolbarButton9740Click", "ToolbarButton9739Click",
                 "ToolbarButton9741Click"}},
        BarCase{"ASP", BarId::ASP, {"Vars", "#", "<%%>", "<%= %>", "<% if %>", "<% else %>", "<% end if %>"}},
        BarCase{"ColdFusion", BarId::ColdFusion, {"Vars", "+", "if", "else", "eif", "set", "out"}},
        BarCase{"SSI", BarId::SSI, {"Vars", "Brake", "Echo", "Label", "Goto", "Extras"}},
        BarCase{"PHP",
                BarId::PHP,
                {"Vars", "<? ?>", "<?php ?>", "$var = \"\";", "$var[x] = \"\";", "echo", "if", "else", "elseif"}},
        BarCase{"WebTV",
                BarId::WebTV,
                {"Audiosc", "Basefont", "BQ", "LimitText", "Nobr", "Nosmartquotes", "Shadow", "Sidebar"}},
        BarCase{"JSP",
                BarId::JSP,
                {"JSPButton", "%!", "%", "%=", "ToolbarButton9747Click", "ToolbarButton9748Click", "!", "!!"}}),
    [](const auto& info) { return info.param.name; });

TEST(MarkupCommonTab, ShowsTheHintsInItsOrder) {
  Names hints;
  for (const Command* c : barCommands(BarId::Common)) hints.emplace_back(c->bar.hint);
  EXPECT_EQ(hints, (Names{"Insert an Image", "Insert an Image Rollover", "Insert a Hyperlink:", "Insert an Anchor",
                          "Insert a Client-Side Script", "Insert a Java Applet", "Insert Shockwave", "Insert a Video",
                          "Insert a Sound Clip", "Insert QuickTime Video", "Insert RealVideo Stream",
                          "Insert a Navigation Menu", "Insert an ActiveX Control", "Insert a Plug-In",
                          "Insert a Line Break", "Insert a Layer", "Insert Time Stamp"}));
}

Names menuCaptions(MenuId menu) {
  Names out;
  for (const Command& c : catalog()) {
    if (c.menu.menu == menu) out.emplace_back(std::string(c.menu.breakBefore ? "|" : "") + std::string(c.menu.caption));
  }
  return out;
}

TEST(MarkupMenus, HoldTheirEntriesInOrderWithTheGroupBreaks) {
  EXPECT_EQ(menuCaptions(MenuId::Insert),
            (Names{"&Image", "&Rollover Image", "|&Table", "&Layer", "Hori&zontal Rule", "Line Brea&k",
                   "N&on Breaking Space", "|&Hyperlink", "A&nchor", "&JavaScript", "J&ava Applet",
                   "|&Navigation Menu", "Active&X Control", "&Plugin", "Timestamp"}));
  EXPECT_EQ(menuCaptions(MenuId::Multimedia), (Names{"&Shockwave", "&QuickTime", "&RealVideo", "&Video", "&Audio"}));
  EXPECT_EQ(menuCaptions(MenuId::Format), (Names{"&Font", "Using &Style Sheets", "|&DHTML Transitions"}));
  EXPECT_EQ(menuCaptions(MenuId::FontFace), (Names{"&Bold", "&Italic", "&Underline", "B&link", "&Strikethrough"}));
  EXPECT_EQ(menuCaptions(MenuId::FontSizes), (Names{"6", "5", "4", "3", "2", "1", "-1", "-2"}));
  EXPECT_EQ(menuCaptions(MenuId::HeaderLevels), (Names{"H1", "H2", "H3", "H4", "H5", "H6"}));
  EXPECT_EQ(menuCaptions(MenuId::Alignment), (Names{"Left Align", "Center Align", "Right Align"}));
  EXPECT_EQ(menuCaptions(MenuId::BigSmall), (Names{"&Big", "&Small"}));
  EXPECT_TRUE(menuInfo(MenuId::FontFace).breakBefore);
  EXPECT_TRUE(menuInfo(MenuId::Alignment).breakBefore);
  EXPECT_FALSE(menuInfo(MenuId::FontSizes).breakBefore);
}

TEST(MarkupMenus, AlignmentCaptionsBelongToTheirOutputsNotToTheirNames) {
  EXPECT_EQ(findCommand("rghtbtnClick")->menu.caption, "Center Align");
  EXPECT_EQ(findCommand("rghtbtnClick")->texts[0], "<p align=\"center\">");
  EXPECT_EQ(findCommand("cntbtnClick")->menu.caption, "Right Align");
  EXPECT_EQ(findCommand("cntbtnClick")->texts[0], "<p align=\"right\">");
}

TEST(MarkupShortcuts, BelongToTheFiveCommandsThatHaveOne) {
  std::set<std::pair<std::string, std::string>> actual;
  for (const Command& c : catalog()) {
    if (!c.shortcut.empty()) actual.emplace(c.key(), c.shortcut);
  }
  EXPECT_EQ(actual, (std::set<std::pair<std::string, std::string>>{{"Image1Click", "Ctrl+I"},
                                                                   {"RolloverImage1Click", "Ctrl+L"},
                                                                   {"Table1Click", "Ctrl+T"},
                                                                   {"Hyperlink1Click", "Ctrl+H"},
                                                                   {"Font1Click", "F9"}}));
}

TEST(MarkupDialogCommands, AreListedWithTheirDialogAndInsertNothingThemselves) {
  const std::set<std::pair<std::string, std::string>> expected = {
      {"Image1Click", "Image"},
      {"RolloverImage1Click", "RolloverImage"},
      {"Table1Click", "Table"},
      {"Layer1Click", "Layer"},
      {"Hyperlink1Click", "Hyperlink"},
      {"JavaScript1Click", "Script"},
      {"JavaApplet1Click", "Applet"},
      {"N12Click", "NavigationMenu"},
      {"Shockwave1Click", "Multimedia:SHOCK"},
      {"QuickTime1Click", "QuickTime"},
      {"RealVideo1Click", "RealVideo"},
      {"Plugin1Click", "Multimedia:PLUGS"},
      {"Font1Click", "Font"},
      {"UsingStyleSheets1Click", "StyleSheets"},
      {"DHTMLTransitions1Click", "Transitions"},
      {"ToolbarButton9738Click", "WMLAccess"},
      {"ToolbarButton9737Click", "WMLCard"},
      {"ToolbarButton9733Click", "WMLGo"},
      {"ASPButton1Click", "ServerVariables:ASP"},
      {"ToolbarButton976Click", "ServerVariables:CFM"},
      {"ToolbarButton9713Click", "ServerVariables:SSI"},
      {"PHPVarButtonClick", "ServerVariables:PHP"},
  };
  std::set<std::pair<std::string, std::string>> actual;
  for (const Command& c : catalog()) {
    if (c.primitive != Primitive::Dialog) continue;
    actual.emplace(c.handler, c.dialog);
    TextBuffer b(std::vector<std::string>{"text"});
    b.setCaret({0, 2});
    EXPECT_FALSE(runCommand(b, c)) << c.handler;
    EXPECT_EQ(b.Lines(), (std::vector<std::string>{"text"}));
    EXPECT_FALSE(b.Modified());
  }
  EXPECT_EQ(actual, expected);
}

TEST(MarkupEntriesWithoutAction, ArePresentAndDoNothing) {
  std::set<std::string> actual;
  for (const Command& c : catalog()) {
    if (c.primitive != Primitive::None) continue;
    EXPECT_TRUE(c.handler.empty());
    actual.emplace(c.key());
    TextBuffer b(std::vector<std::string>{"text"});
    EXPECT_FALSE(runCommand(b, c));
    EXPECT_FALSE(b.Modified());
  }
  EXPECT_EQ(actual, (std::set<std::string>{"Video1", "Audio1", "WizardButton", "BigSmallButton", "ExtrasButton",
                                           "JSPButton"}));
  Names extras;
  for (const MenuTreeEntry& e : ssiExtrasMenu()) {
    std::string line = std::string(e.caption) + ":";
    for (const MenuTreeEntry& child : e.children) line += " " + std::string(child.caption);
    extras.push_back(line);
  }
  EXPECT_EQ(extras, (Names{"ODBC: Connect Debug Format", "Exec: Command CGI", "Include: Virtual Direct",
                           "Flastmod: Virtual Direct", "File Size: Virtual Direct"}));
}

TEST(MarkupCatalog, NamesEveryHandlerAndObjectOnce) {
  std::set<std::string> keys, objects;
  for (const Command& c : catalog()) {
    EXPECT_TRUE(keys.emplace(c.key()).second) << c.key();
    if (!c.menu.name.empty()) { EXPECT_TRUE(objects.emplace(c.menu.name).second) << c.menu.name; }
    // A toolbar button may share its name with the menu entry of the same command.
    if (!c.bar.name.empty() && c.bar.name != c.menu.name) { EXPECT_TRUE(objects.emplace(c.bar.name).second) << c.bar.name; }
  }
}

TEST(MarkupBoxes, HoldTheirListsAndInitialTexts) {
  EXPECT_EQ(colourNames(), (Names{"Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray", "Silver",
                                  "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White"}));
  EXPECT_EQ(kColourBoxInitialText, "Black");
  EXPECT_EQ(kFontBoxInitialText, "Times New Roman");
  EXPECT_EQ(kTagBoxInitialText, "ColdFusion Tags...");
  ASSERT_EQ(coldFusionTags().size(), 38u);
  EXPECT_EQ(coldFusionTags().front(), "<cfabort>");
  EXPECT_EQ(coldFusionTags()[8].find(R"(bold=""onvalidate="")") != std::string::npos, true);
  EXPECT_EQ(coldFusionTags().back(),
            R"(<cfupdate datasource="" tablequalifier="" tablename="" formfields="" tableowner="">)");
}

}  // namespace
}  // namespace markloom::markup
