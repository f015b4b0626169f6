// Where the catalog offers its commands: the order of every bar, the menu
// entries, the shortcuts, the dialog commands and the entries without action.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/common/command_ids.h"
#include "core/document/text_buffer.h"
#include "core/markup/markup_catalog.h"

namespace markloom::markup {
namespace {

using Names = std::vector<std::string>;
using Views = std::vector<std::string_view>;

// What a bar item is known by: its caption, or its command for image buttons.
Views barLabels(BarId bar) {
  Views out;
  for (const Command* c : barCommands(bar)) out.push_back(c->bar.caption.empty() ? c->id : c->bar.caption);
  return out;
}

struct BarCase {
  std::string name;
  BarId bar;
  Views labels;
};
void PrintTo(const BarCase& c, std::ostream* os) { *os << c.name; }

class MarkupBarOrder : public ::testing::TestWithParam<BarCase> {};

TEST_P(MarkupBarOrder, ShowsItsItemsLeftToRight) { EXPECT_EQ(barLabels(GetParam().bar), GetParam().labels); }

INSTANTIATE_TEST_SUITE_P(
    EveryBar, MarkupBarOrder,
    ::testing::Values(
        BarCase{"Formatting",
                BarId::Formatting,
                {ids::kFontFaceBox, ids::kFontColourBox, ids::kBold, ids::kItalic, ids::kUnderline, ids::kAlignLeft,
                 ids::kAlignCenter, ids::kAlignRight}},
        BarCase{"Common",
                BarId::Common,
                {ids::kInsertImage, ids::kInsertRollover, ids::kInsertHyperlink, ids::kInsertAnchor, ids::kInsertScript,
                 ids::kInsertApplet, ids::kInsertShockwave, ids::kInsertVideo, ids::kInsertSound, ids::kInsertQuickTime,
                 ids::kInsertRealVideo, ids::kInsertNavigationMenu, ids::kInsertActiveX, ids::kInsertPlugin,
                 ids::kInsertLineBreak, ids::kInsertLayer, ids::kInsertTimestamp}},
        BarCase{"Frames", BarId::Frames, {"frameset", "frame", "iframe", "noframes"}},
        BarCase{"Tables", BarId::Tables, {"table", "tbody", "thead", "tfoot", "tr", "td"}},
        BarCase{"Forms",
                BarId::Forms,
                {ids::kInsertForm, ids::kInsertInputField, ids::kInsertCheckBox, ids::kInsertRadioButton,
                 ids::kInsertTextField, ids::kInsertTextArea, ids::kInsertDropDownList, ids::kInsertFileField,
                 ids::kInsertImageInput, ids::kInsertHiddenField}},
        BarCase{"Lists", BarId::Lists, {"Wizard", "UL", "OL", "LI", "DD", "DT", "M"}},
        BarCase{
            "WML", BarId::WML, {"access", "card", "go", "big/small", ids::kStrong, ids::kEmphasis, ids::kWmlUnderline}},
        BarCase{"ASP", BarId::ASP, {"Vars", "#", "<%%>", "<%= %>", "<% if %>", "<% else %>", "<% end if %>"}},
        BarCase{"ColdFusion", BarId::ColdFusion, {"Vars", "+", "if", "else", "eif", "set", "out"}},
        BarCase{"SSI", BarId::SSI, {"Vars", "Brake", "Echo", "Label", "Goto", "Extras"}},
        BarCase{"PHP",
                BarId::PHP,
                {"Vars", "<? ?>", "<?php ?>", "$var = \"\";", "$var[x] = \"\";", "echo", "if", "else", "elseif"}},
        BarCase{"WebTV",
                BarId::WebTV,
                {"Audiosc", "Basefont", "BQ", "LimitText", "Nobr", "Nosmartquotes", "Shadow", "Sidebar"}},
        BarCase{"JSP", BarId::JSP, {ids::kJspInfo, "%!", "%", "%=", ids::kJspInclude, ids::kJspComment, "!", "!!"}}),
    [](const auto& row) { return row.param.name; });

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
                   "N&on Breaking Space", "|&Hyperlink", "An&chor", "&JavaScript", "J&ava Applet", "|&Navigation Menu",
                   "Active&X Control", "&Plugin", "Timestamp"}));
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
  EXPECT_EQ(findCommand(ids::kAlignCenter)->menu.caption, "Center Align");
  EXPECT_EQ(findCommand(ids::kAlignCenter)->texts[0], "<p align=\"center\">");
  EXPECT_EQ(findCommand(ids::kAlignRight)->menu.caption, "Right Align");
  EXPECT_EQ(findCommand(ids::kAlignRight)->texts[0], "<p align=\"right\">");
}

TEST(MarkupShortcuts, BelongToTheFiveCommandsThatHaveOne) {
  std::set<std::pair<std::string_view, std::string_view>> actual;
  for (const Command& c : catalog()) {
    if (!c.shortcut.empty()) actual.emplace(c.id, c.shortcut);
  }
  EXPECT_EQ(actual, (std::set<std::pair<std::string_view, std::string_view>>{{ids::kInsertImage, "Ctrl+I"},
                                                                             {ids::kInsertRollover, "Ctrl+L"},
                                                                             {ids::kInsertTable, "Ctrl+T"},
                                                                             {ids::kInsertHyperlink, "Ctrl+H"},
                                                                             {ids::kFormatFont, "F9"}}));
}

TEST(MarkupDialogCommands, AreListedWithTheirDialogAndInsertNothingThemselves) {
  const std::set<std::pair<std::string_view, std::string_view>> expected = {
      {ids::kInsertImage, "Image"},
      {ids::kInsertRollover, "RolloverImage"},
      {ids::kInsertTable, "Table"},
      {ids::kInsertLayer, "Layer"},
      {ids::kInsertHyperlink, "Hyperlink"},
      {ids::kInsertScript, "Script"},
      {ids::kInsertApplet, "Applet"},
      {ids::kInsertNavigationMenu, "NavigationMenu"},
      {ids::kInsertShockwave, "Multimedia:SHOCK"},
      {ids::kInsertQuickTime, "QuickTime"},
      {ids::kInsertRealVideo, "RealVideo"},
      {ids::kInsertPlugin, "Multimedia:PLUGS"},
      {ids::kFormatFont, "Font"},
      {ids::kLinkStyleSheet, "StyleSheets"},
      {ids::kInsertTransition, "Transitions"},
      {ids::kInsertWmlAccess, "WMLAccess"},
      {ids::kInsertWmlCard, "WMLCard"},
      {ids::kInsertWmlGo, "WMLGo"},
      {ids::kAspVariables, "ServerVariables:ASP"},
      {ids::kColdFusionVariables, "ServerVariables:CFM"},
      {ids::kSsiVariables, "ServerVariables:SSI"},
      {ids::kPhpVariables, "ServerVariables:PHP"},
  };
  std::set<std::pair<std::string_view, std::string_view>> actual;
  for (const Command& c : catalog()) {
    if (c.primitive != Primitive::Dialog) continue;
    actual.emplace(c.id, c.dialog);
    TextBuffer b(std::vector<std::string>{"text"});
    b.setCaret({0, 2});
    EXPECT_FALSE(runCommand(b, c)) << c.id;
    EXPECT_EQ(b.lines(), (std::vector<std::string>{"text"}));
    EXPECT_FALSE(b.modified());
  }
  EXPECT_EQ(actual, expected);
}

TEST(MarkupEntriesWithoutAction, ArePresentAndDoNothing) {
  std::set<std::string_view> actual;
  for (const Command& c : catalog()) {
    if (c.primitive != Primitive::None) continue;
    actual.emplace(c.id);
    TextBuffer b(std::vector<std::string>{"text"});
    EXPECT_FALSE(runCommand(b, c));
    EXPECT_FALSE(b.modified());
  }
  EXPECT_EQ(actual, (std::set<std::string_view>{ids::kInsertVideo, ids::kInsertSound, ids::kListWizard,
                                                ids::kBigSmallButton, ids::kSsiExtrasButton, ids::kJspInfo}));
  Names extras;
  for (const MenuTreeEntry& e : ssiExtrasMenu()) {
    std::string line = std::string(e.caption) + ":";
    for (const MenuTreeEntry& child : e.children) line += " " + std::string(child.caption);
    extras.push_back(line);
  }
  EXPECT_EQ(extras, (Names{"ODBC: Connect Debug Format", "Exec: Command CGI", "Include: Virtual Direct",
                           "Flastmod: Virtual Direct", "File Size: Virtual Direct"}));
}

TEST(MarkupCatalog, NamesEveryCommandAndObjectOnce) {
  std::set<std::string_view> commands, objects;
  for (const Command& c : catalog()) {
    EXPECT_FALSE(c.id.empty());
    EXPECT_TRUE(commands.emplace(c.id).second) << c.id;
    if (c.menu.menu != MenuId::None) {
      EXPECT_TRUE(objects.emplace(c.id).second) << c.id;
    }
    // A toolbar button may share its name with the menu entry of the same command.
    if (c.bar.bar != BarId::None && (c.menu.menu == MenuId::None || c.bar.name != c.id)) {
      EXPECT_TRUE(objects.emplace(c.bar.name).second) << c.bar.name;
    }
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
