// The markup commands in the real main window: every menu entry and tag bar
// button is found by object name and used once on a real document, and the
// document must then hold what that command writes. Also the layout of the
// menus and bars, the boxes, and that nothing happens with no document open.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>
#include <string>
#include <vector>

#include "core/common/command_ids.h"
#include "core/document/text_buffer.h"
#include "core/markup/markup_catalog.h"
#include "platform/editor/markloom_editor.h"
#include "support/scripted_prompter.h"
#include "support/temp_home.h"
#include "ui/app/main_window.h"
#include "ui/common/dialog_kit.h"
#include "ui/document/document.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using markup::BarId;
using markup::Command;
using markup::Control;
using markup::MenuId;
using markup::Primitive;
using Lines = std::vector<std::string>;

QString qs(std::string_view s) { return dialogkit::fromUtf8(s); }
QString name(std::string_view id) { return qs(id); }
// A menu as entriesOf lists it.
QString entry(std::string_view id, const char* caption) { return name(id) + " " + caption; }
QString submenu(std::string_view id, const char* caption) { return name(id) + ">" + caption; }

bool insertsByItself(const Command& c) {
  return c.primitive == Primitive::Wrap || c.primitive == Primitive::Snippet ||
         c.primitive == Primitive::LinesAboveCaret;
}

const Lines kStart = {"one", "two", "three"};

class MarkupCommandsTest : public ::testing::Test {
 protected:
  QToolBar* bar(BarId id) const { return form_.findChild<QToolBar*>(qs(markup::barInfo(id).name)); }
  QMenu* menu(MenuId id) const { return form_.findChild<QMenu*>(qs(markup::menuInfo(id).name)); }
  QToolButton* button(const Command& c) const {
    QToolBar* b = bar(c.bar.bar);
    return b ? b->findChild<QToolButton*>(qs(c.bar.name)) : nullptr;
  }
  QAction* menuEntry(const Command& c) const {
    QMenu* m = menu(c.menu.menu);
    if (!m) return nullptr;
    for (QAction* a : m->actions()) {
      if (a->objectName() == qs(c.id)) return a;
    }
    return nullptr;
  }
  template <class T>
  T* control(const QString& objectName) const {
    return form_.findChild<T*>(objectName);
  }

  EditorOps& openDocument() {
    DocumentWindow* document = form_.createDocument();
    EXPECT_NE(document, nullptr);
    return document->document().editorOps();
  }
  static void reset(EditorOps& ops) {
    ops.setLines(kStart);
    ops.setCaret({1, 1});  // t|wo
  }
  // What the command writes into the starting document, worked out in memory.
  static TextBuffer expected(const Command& c, std::string_view value = {}) {
    TextBuffer b;
    reset(b);
    markup::runCommand(b, c, value);
    return b;
  }
  static void expectSame(const EditorOps& ops, const TextBuffer& want) {
    EXPECT_EQ(ops.lines(), want.lines());
    EXPECT_EQ(ops.caret(), want.caret());
  }

  test::TempHome home_;
  test::ScriptedPrompter prompter_;
  MainWindow form_;
};

TEST_F(MarkupCommandsTest, EveryMenuEntryAndButtonWritesItsCommandsText) {
  EditorOps& ops = openDocument();
  int used = 0;
  for (const Command& c : markup::catalog()) {
    if (!insertsByItself(c)) continue;
    SCOPED_TRACE(std::string(c.id));
    const TextBuffer want = expected(c, c.takesValue ? markup::kTagBoxInitialText : std::string_view{});
    ASSERT_NE(want.lines(), kStart);
    if (c.menu.menu != MenuId::None) {
      QAction* entry = menuEntry(c);
      ASSERT_NE(entry, nullptr) << "menu entry " << c.id;
      reset(ops);
      entry->trigger();
      expectSame(ops, want);
      ++used;
    }
    if (c.bar.bar != BarId::None && (c.bar.control == Control::Button || c.bar.control == Control::TagBoxButton)) {
      QToolButton* b = button(c);
      ASSERT_NE(b, nullptr) << "button " << c.bar.name;
      reset(ops);
      b->click();
      expectSame(ops, want);
      ++used;
    }
  }
  // Menus and buttons offering a one-click command, the two boxes aside.
  EXPECT_EQ(used, 107);
  EXPECT_TRUE(prompter_.errors.isEmpty()) << prompter_.errors.join("\n").toStdString();
}

TEST_F(MarkupCommandsTest, TheFontAndColourBoxesWrapTheSelectionInTheirValue) {
  EditorOps& ops = openDocument();
  auto* fonts = control<QComboBox>(name(ids::kFontFaceBox));
  auto* colours = control<QComboBox>(name(ids::kFontColourBox));
  ASSERT_NE(fonts, nullptr);
  ASSERT_NE(colours, nullptr);

  int other = fonts->currentIndex() == 0 ? 1 : 0;
  const QString face = fonts->itemText(other);
  ops.setLines({"axb"});
  ops.select({0, 1}, {0, 2});
  fonts->setCurrentIndex(other);
  EXPECT_EQ(ops.lines(), (Lines{"a<font face=\"" + face.toStdString() + "\">x</font>b"}));

  ops.setLines({"axb"});
  ops.select({0, 1}, {0, 2});
  colours->setCurrentText("Red");
  EXPECT_EQ(ops.lines(), (Lines{"a<font color=\"Red\">x</font>b"}));

  // Nothing selected: the pair goes in at the caret, which ends after it.
  ops.setLines({"ab"});
  ops.setCaret({0, 1});
  colours->setCurrentText("Fuchsia");
  EXPECT_EQ(ops.lines(), (Lines{"a<font color=\"Fuchsia\"></font>b"}));
  EXPECT_EQ(ops.caret(), (TextPosition{0, 30}));
}

TEST_F(MarkupCommandsTest, AfterABoxWasUsedTheDocumentHasTheKeyboard) {
  openDocument();
  form_.show();
  QApplication::setActiveWindow(&form_);
  auto* colours = control<QComboBox>(name(ids::kFontColourBox));
  ASSERT_NE(colours, nullptr);
  colours->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), colours);
  colours->setCurrentText("Navy");
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), form_.activeDocument()->editor());
}

TEST_F(MarkupCommandsTest, ThePlusButtonInsertsWhateverTheTagBoxShows) {
  EditorOps& ops = openDocument();
  auto* box = control<QComboBox>(name(ids::kColdFusionTagBox));
  auto* plus = control<QToolButton>(name(ids::kInsertColdFusionTag));
  ASSERT_NE(box, nullptr);
  ASSERT_NE(plus, nullptr);

  ops.setLines({"ab"});
  ops.setCaret({0, 1});
  plus->click();  // before anything was chosen
  EXPECT_EQ(ops.lines(), (Lines{"aColdFusion Tags...b"}));
  EXPECT_EQ(ops.caret(), (TextPosition{0, 1}));

  ops.setLines({"ab"});
  ops.setCaret({0, 1});
  box->setCurrentIndex(20);
  plus->click();
  EXPECT_EQ(ops.lines(), (Lines{R"(a<cflocation addtoken="yes|no" url="">b)"}));

  ops.setLines({"ab"});
  ops.setCaret({0, 1});
  box->setEditText("<cfx_own>");
  plus->click();
  plus->click();  // the typed text stays in the box
  EXPECT_EQ(ops.lines(), (Lines{"a<cfx_own><cfx_own>b"}));
}

TEST_F(MarkupCommandsTest, WithNoDocumentOpenNothingHappens) {
  ASSERT_EQ(form_.activeDocument(), nullptr);
  for (const Command& c : markup::catalog()) {
    if (!insertsByItself(c)) continue;
    if (c.menu.menu != MenuId::None) {
      QAction* entry = menuEntry(c);
      ASSERT_NE(entry, nullptr);
      entry->trigger();
    }
    if (c.bar.bar != BarId::None && (c.bar.control == Control::Button || c.bar.control == Control::TagBoxButton)) {
      QToolButton* b = button(c);
      ASSERT_NE(b, nullptr);
      b->click();
    }
  }
  control<QComboBox>(name(ids::kFontFaceBox))->setCurrentIndex(1);
  control<QComboBox>(name(ids::kFontColourBox))->setCurrentText("Red");
  EXPECT_TRUE(form_.documents().isEmpty());
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_TRUE(prompter_.errors.isEmpty());
}

TEST_F(MarkupCommandsTest, EntriesWithoutActionArePresentAndChangeNothing) {
  EditorOps& ops = openDocument();
  reset(ops);
  // Video and Audio write nothing themselves; another command group may give
  // them a dialog, so they are only looked for here.
  for (const std::string_view id : {ids::kInsertVideo, ids::kInsertSound}) {
    EXPECT_NE(form_.findChild<QAction*>(name(id)), nullptr) << id;
  }
  for (const std::string_view id : {ids::kInsertVideoButton, ids::kInsertSoundButton}) {
    EXPECT_NE(control<QToolButton>(name(id)), nullptr) << id;
  }
  for (const std::string_view id : {ids::kListWizard, ids::kJspInfo}) {
    auto* b = control<QToolButton>(name(id));
    ASSERT_NE(b, nullptr) << id;
    b->click();
  }
  auto* extras = control<QToolButton>(name(ids::kSsiExtrasButton));
  ASSERT_NE(extras, nullptr);
  ASSERT_NE(extras->menu(), nullptr);
  QStringList entries;
  for (QAction* top : extras->menu()->actions()) {
    QString line = top->text() + ":";
    for (QAction* sub : top->menu()->actions()) {
      line += " " + sub->text();
      sub->trigger();
    }
    entries << line;
  }
  EXPECT_EQ(entries, (QStringList{"ODBC: Connect Debug Format", "Exec: Command CGI", "Include: Virtual Direct",
                                  "Flastmod: Virtual Direct", "File Size: Virtual Direct"}));
  EXPECT_EQ(ops.lines(), kStart);
}

// A menu as one line per entry: "|" for a separator, "name>" for a submenu.
QStringList entriesOf(const QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) {
    if (a->isSeparator())
      out << "|";
    else if (a->menu())
      out << a->menu()->objectName() + ">" + a->text();
    else
      out << a->objectName() + " " + a->text();
  }
  return out;
}

TEST_F(MarkupCommandsTest, TheInsertAndFormatMenusHoldTheirEntriesInOrder) {
  ASSERT_NE(menu(MenuId::Insert), nullptr);
  EXPECT_EQ(
      entriesOf(menu(MenuId::Insert)),
      (QStringList{entry(ids::kInsertImage, "&Image"), entry(ids::kInsertRollover, "&Rollover Image"), "|",
                   entry(ids::kInsertTable, "&Table"), entry(ids::kInsertLayer, "&Layer"),
                   entry(ids::kInsertHorizontalRule, "Hori&zontal Rule"), entry(ids::kInsertLineBreak, "Line Brea&k"),
                   entry(ids::kInsertNonBreakingSpace, "N&on Breaking Space"), "|",
                   entry(ids::kInsertHyperlink, "&Hyperlink"), entry(ids::kInsertAnchor, "An&chor"),
                   entry(ids::kInsertScript, "&JavaScript"), entry(ids::kInsertApplet, "J&ava Applet"), "|",
                   entry(ids::kInsertNavigationMenu, "&Navigation Menu"), submenu(ids::kMultimediaMenu, "&Multimedia"),
                   entry(ids::kInsertActiveX, "Active&X Control"), entry(ids::kInsertPlugin, "&Plugin"),
                   entry(ids::kInsertTimestamp, "Timestamp")}));
  EXPECT_EQ(entriesOf(menu(MenuId::Multimedia)),
            (QStringList{entry(ids::kInsertShockwave, "&Shockwave"), entry(ids::kInsertQuickTime, "&QuickTime"),
                         entry(ids::kInsertRealVideo, "&RealVideo"), entry(ids::kInsertVideo, "&Video"),
                         entry(ids::kInsertSound, "&Audio")}));
  ASSERT_NE(menu(MenuId::Format), nullptr);
  EXPECT_EQ(entriesOf(menu(MenuId::Format)),
            (QStringList{entry(ids::kFormatFont, "&Font"), entry(ids::kLinkStyleSheet, "Using &Style Sheets"), "|",
                         submenu(ids::kFontStyleMenu, "Font F&ace"), submenu(ids::kFontSizeMenu, "Font Si&zes"),
                         submenu(ids::kHeadingMenu, "&Header Levels"), "|", submenu(ids::kAlignmentMenu, "Alignment"),
                         "|", entry(ids::kInsertTransition, "&DHTML Transitions")}));
  EXPECT_EQ(
      entriesOf(menu(MenuId::FontFace)),
      (QStringList{entry(ids::kBold, "&Bold"), entry(ids::kItalic, "&Italic"), entry(ids::kUnderline, "&Underline"),
                   entry(ids::kBlink, "B&link"), entry(ids::kStrikethrough, "&Strikethrough")}));
  EXPECT_EQ(entriesOf(menu(MenuId::FontSizes)),
            (QStringList{entry(ids::kFontSize6, "6"), entry(ids::kFontSize5, "5"), entry(ids::kFontSize4, "4"),
                         entry(ids::kFontSize3, "3"), entry(ids::kFontSize2, "2"), entry(ids::kFontSize1, "1"),
                         entry(ids::kFontSizeMinus1, "-1"), entry(ids::kFontSizeMinus2, "-2")}));
  EXPECT_EQ(entriesOf(menu(MenuId::HeaderLevels)),
            (QStringList{entry(ids::kHeading1, "H1"), entry(ids::kHeading2, "H2"), entry(ids::kHeading3, "H3"),
                         entry(ids::kHeading4, "H4"), entry(ids::kHeading5, "H5"), entry(ids::kHeading6, "H6")}));
  EXPECT_EQ(entriesOf(menu(MenuId::Alignment)),
            (QStringList{entry(ids::kAlignLeft, "Left Align"), entry(ids::kAlignCenter, "Center Align"),
                         entry(ids::kAlignRight, "Right Align")}));
}

TEST_F(MarkupCommandsTest, DialogCommandsHaveTheirEntriesCaptionsAndShortcuts) {
  const std::vector<std::pair<std::string_view, const char*>> shortcuts = {{ids::kInsertImage, "Ctrl+I"},
                                                                           {ids::kInsertRollover, "Ctrl+L"},
                                                                           {ids::kInsertTable, "Ctrl+T"},
                                                                           {ids::kInsertHyperlink, "Ctrl+H"},
                                                                           {ids::kFormatFont, "F9"}};
  for (const auto& [id, keys] : shortcuts) {
    QAction* a = form_.action(name(id));
    ASSERT_NE(a, nullptr) << id;
    EXPECT_EQ(a->shortcut(), QKeySequence(keys)) << id;
  }
  // The tab-only dialog buttons show their caption and have an action for the
  // tag dialog commands to connect to (the table button's is the Insert menu's).
  const std::pair<std::string_view, std::string_view> buttons[] = {
      {ids::kInsertWmlAccess, ids::kInsertWmlAccess},
      {ids::kInsertWmlCard, ids::kInsertWmlCard},
      {ids::kInsertWmlGo, ids::kInsertWmlGo},
      {ids::kAspVariables, ids::kAspVariables},
      {ids::kColdFusionVariables, ids::kColdFusionVariables},
      {ids::kSsiVariables, ids::kSsiVariables},
      {ids::kPhpVariables, ids::kPhpVariables},
      {ids::kInsertTableButton, ids::kInsertTable}};
  for (const auto& [button, command] : buttons) {
    EXPECT_NE(form_.action(name(command)), nullptr) << command;
    EXPECT_NE(control<QToolButton>(name(button)), nullptr) << button;
  }
  EXPECT_EQ(control<QToolButton>(name(ids::kAspVariables))->text(), "Vars");
  EXPECT_EQ(control<QToolButton>(name(ids::kInsertWmlAccess))->text(), "access");
  EXPECT_EQ(control<QToolButton>(name(ids::kInsertTableButton))->text(), "table");
}

// A bar as the object names of its items, "|" for a separator.
QStringList itemsOf(const QToolBar* bar) {
  QStringList out;
  for (QAction* a : bar->actions()) {
    if (a->isSeparator())
      out << "|";
    else if (QWidget* w = bar->widgetForAction(a))
      out << w->objectName();
  }
  return out;
}

TEST_F(MarkupCommandsTest, TheBarsShowTheirItemsLeftToRight) {
  const std::vector<std::pair<BarId, QStringList>> expected = {
      {BarId::Formatting,
       {name(ids::kFontFaceBox), name(ids::kFontColourBox), name(ids::kBold), name(ids::kItalic), name(ids::kUnderline),
        name(ids::kAlignLeft), name(ids::kAlignCenter), name(ids::kAlignRight)}},
      {BarId::Common,
       {name(ids::kInsertImageButton), name(ids::kInsertRolloverButton), name(ids::kInsertHyperlinkButton),
        name(ids::kInsertAnchorButton), name(ids::kInsertScriptButton), name(ids::kInsertAppletButton),
        name(ids::kInsertShockwaveButton), name(ids::kInsertVideoButton), name(ids::kInsertSoundButton),
        name(ids::kInsertQuickTimeButton), name(ids::kInsertRealVideoButton), name(ids::kInsertNavigationMenuButton),
        name(ids::kInsertActiveXButton), name(ids::kInsertPluginButton), name(ids::kInsertLineBreakButton),
        name(ids::kInsertLayerButton), name(ids::kInsertTimestampButton)}},
      {BarId::Frames,
       {name(ids::kInsertFrameset), name(ids::kInsertFrame), name(ids::kInsertInlineFrame),
        name(ids::kInsertNoFrames)}},
      {BarId::Tables,
       {name(ids::kInsertTableButton), name(ids::kInsertTableBody), name(ids::kInsertTableHead),
        name(ids::kInsertTableFoot), name(ids::kInsertTableRow), name(ids::kInsertTableCell)}},
      {BarId::Forms,
       {name(ids::kInsertForm), name(ids::kInsertInputField), name(ids::kInsertCheckBox), name(ids::kInsertRadioButton),
        name(ids::kInsertTextField), name(ids::kInsertTextArea), name(ids::kInsertDropDownList),
        name(ids::kInsertFileField), name(ids::kInsertImageInput), name(ids::kInsertHiddenField)}},
      {BarId::Lists,
       {name(ids::kListWizard), name(ids::kInsertUnorderedList), name(ids::kInsertOrderedList),
        name(ids::kInsertListItem), name(ids::kInsertDefinition), name(ids::kInsertDefinitionTerm),
        name(ids::kInsertMenuList)}},
      {BarId::WML,
       {name(ids::kInsertWmlAccess), name(ids::kInsertWmlCard), name(ids::kInsertWmlGo), "|",
        name(ids::kBigSmallButton), name(ids::kStrong), name(ids::kEmphasis), name(ids::kWmlUnderline)}},
      {BarId::ASP,
       {name(ids::kAspVariables), name(ids::kAspInclude), name(ids::kAspCode), name(ids::kAspExpression),
        name(ids::kAspIf), name(ids::kAspElse), name(ids::kAspEndIf)}},
      {BarId::ColdFusion,
       {name(ids::kColdFusionVariables), "|", name(ids::kColdFusionTagBox), name(ids::kInsertColdFusionTag), "|",
        name(ids::kColdFusionIf), name(ids::kColdFusionElse), name(ids::kColdFusionElseIf), name(ids::kColdFusionSet),
        name(ids::kColdFusionOutput)}},
      {BarId::SSI,
       {name(ids::kSsiVariables), name(ids::kSsiBreak), name(ids::kSsiEcho), name(ids::kSsiLabel), name(ids::kSsiGoto),
        name(ids::kSsiExtrasButton)}},
      {BarId::PHP,
       {name(ids::kPhpVariables), name(ids::kPhpShortTag), name(ids::kPhpTag), name(ids::kPhpVariable),
        name(ids::kPhpArrayElement), name(ids::kPhpEcho), name(ids::kPhpIf), name(ids::kPhpElse),
        name(ids::kPhpElseIf)}},
      {BarId::WebTV,
       {name(ids::kWebTvAudioscope), name(ids::kWebTvBaseFont), name(ids::kWebTvBlockQuote), name(ids::kWebTvLimitText),
        name(ids::kWebTvNoBreak), name(ids::kWebTvNoSmartQuotes), name(ids::kWebTvShadow), name(ids::kWebTvSidebar)}},
      {BarId::JSP,
       {name(ids::kJspInfo), name(ids::kJspDeclaration), name(ids::kJspScriptlet), name(ids::kJspExpression),
        name(ids::kJspInclude), name(ids::kJspComment), name(ids::kJspParam), name(ids::kJspParams)}},
  };
  for (const auto& [id, names] : expected) {
    QToolBar* b = bar(id);
    ASSERT_NE(b, nullptr) << markup::barInfo(id).name;
    EXPECT_EQ(itemsOf(b), names) << markup::barInfo(id).name;
  }
  EXPECT_EQ(bar(BarId::ASP)->windowTitle(), "Active Server Pages");
  EXPECT_EQ(bar(BarId::SSI)->windowTitle(), "Server-Side Includes");
}

TEST_F(MarkupCommandsTest, ButtonsShowTheirCaptionOrImageAndTheirHint) {
  for (const Command& c : markup::catalog()) {
    if (c.bar.bar == BarId::None || c.bar.control == Control::FontNameBox || c.bar.control == Control::ColourBox)
      continue;
    SCOPED_TRACE(std::string(c.bar.name));
    QToolButton* b = button(c);
    ASSERT_NE(b, nullptr);
    if (c.bar.caption.empty()) {
      EXPECT_FALSE(b->icon().isNull());
      EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonIconOnly);
    } else {
      EXPECT_EQ(b->text(), qs(c.bar.caption));
    }
    if (!c.bar.hint.empty()) {
      EXPECT_EQ(b->toolTip(), qs(c.bar.hint));
    }
  }
  EXPECT_EQ(control<QToolButton>(name(ids::kInsertHyperlinkButton))->toolTip(), "Insert a Hyperlink:");
  EXPECT_EQ(control<QToolButton>(name(ids::kAspEndIf))->text(), "<% end if %>");
}

TEST_F(MarkupCommandsTest, TheBoxesStartAsDescribed) {
  auto* fonts = control<QComboBox>(name(ids::kFontFaceBox));
  auto* colours = control<QComboBox>(name(ids::kFontColourBox));
  auto* tags = control<QComboBox>(name(ids::kColdFusionTagBox));
  ASSERT_TRUE(fonts && colours && tags);
  EXPECT_EQ(fonts->width(), 124);
  EXPECT_EQ(fonts->currentText(), "Times New Roman");
  EXPECT_GT(fonts->count(), 1);
  EXPECT_EQ(colours->width(), 100);
  EXPECT_EQ(colours->currentText(), "Black");
  QStringList names;
  for (int i = 0; i < colours->count(); ++i) names << colours->itemText(i);
  EXPECT_EQ(names, (QStringList{"Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray", "Silver", "Red",
                                "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White"}));
  EXPECT_EQ(tags->width(), 145);
  EXPECT_TRUE(tags->isEditable());
  EXPECT_EQ(tags->count(), 38);
  EXPECT_EQ(tags->currentText(), "ColdFusion Tags...");
  EXPECT_EQ(tags->itemText(0), "<cfabort>");
}

TEST_F(MarkupCommandsTest, BigAndSmallWrapFromTheDropDownButton) {
  EditorOps& ops = openDocument();
  auto* bigSmall = control<QToolButton>(name(ids::kBigSmallButton));
  ASSERT_NE(bigSmall, nullptr);
  EXPECT_EQ(bigSmall->text(), "big/small");
  ASSERT_NE(bigSmall->menu(), nullptr);
  QStringList captions;
  for (QAction* a : bigSmall->menu()->actions()) captions << a->text();
  EXPECT_EQ(captions, (QStringList{"&Big", "&Small"}));
  ops.setLines({"ab"});
  ops.select({0, 0}, {0, 1});
  bigSmall->menu()->actions().at(1)->trigger();
  EXPECT_EQ(ops.lines(), (Lines{"<small>a</small>b"}));
}

}  // namespace
}  // namespace markloom
