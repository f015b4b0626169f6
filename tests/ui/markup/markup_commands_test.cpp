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

#include "core/document/text_buffer.h"
#include "core/markup/markup_catalog.h"
#include "support/scripted_prompter.h"
#include "support/temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"
#include "platform/editor/markloom_editor.h"

namespace markloom {
namespace {

using markup::BarId;
using markup::Command;
using markup::Control;
using markup::MenuId;
using markup::Primitive;
using Lines = std::vector<std::string>;

QString qs(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

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
      if (a->objectName() == qs(c.menu.name)) return a;
    }
    return nullptr;
  }
  template <class T>
  T* control(const char* name) const {
    return form_.findChild<T*>(name);
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
    EXPECT_EQ(ops.Lines(), want.Lines());
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
    SCOPED_TRACE(std::string(c.key()));
    const TextBuffer want = expected(c, c.takesValue ? markup::kTagBoxInitialText : std::string_view{});
    ASSERT_NE(want.Lines(), kStart);
    if (c.menu.menu != MenuId::None) {
      QAction* entry = menuEntry(c);
      ASSERT_NE(entry, nullptr) << "menu entry " << c.menu.name;
      reset(ops);
      entry->trigger();
      expectSame(ops, want);
      ++used;
    }
    if (c.bar.bar != BarId::None &&
        (c.bar.control == Control::Button || c.bar.control == Control::TagBoxButton)) {
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
  auto* fonts = control<QComboBox>("fontbox");
  auto* colours = control<QComboBox>("dxBarColorCombo1");
  ASSERT_NE(fonts, nullptr);
  ASSERT_NE(colours, nullptr);

  int other = fonts->currentIndex() == 0 ? 1 : 0;
  const QString face = fonts->itemText(other);
  ops.setLines({"axb"});
  ops.select({0, 1}, {0, 2});
  fonts->setCurrentIndex(other);
  EXPECT_EQ(ops.Lines(), (Lines{"a<font face=\"" + face.toStdString() + "\">x</font>b"}));

  ops.setLines({"axb"});
  ops.select({0, 1}, {0, 2});
  colours->setCurrentText("Red");
  EXPECT_EQ(ops.Lines(), (Lines{"a<font color=\"Red\">x</font>b"}));

  // Nothing selected: the pair goes in at the caret, which ends after it.
  ops.setLines({"ab"});
  ops.setCaret({0, 1});
  colours->setCurrentText("Fuchsia");
  EXPECT_EQ(ops.Lines(), (Lines{"a<font color=\"Fuchsia\"></font>b"}));
  EXPECT_EQ(ops.caret(), (TextPosition{0, 30}));
}

TEST_F(MarkupCommandsTest, AfterABoxWasUsedTheDocumentHasTheKeyboard) {
  openDocument();
  form_.show();
  QApplication::setActiveWindow(&form_);
  auto* colours = control<QComboBox>("dxBarColorCombo1");
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
  auto* box = control<QComboBox>("CFTagBox");
  auto* plus = control<QToolButton>("CFTagButton");
  ASSERT_NE(box, nullptr);
  ASSERT_NE(plus, nullptr);

  ops.setLines({"ab"});
  ops.setCaret({0, 1});
  plus->click();  // before anything was chosen
  EXPECT_EQ(ops.Lines(), (Lines{"aColdFusion Tags...b"}));
  EXPECT_EQ(ops.caret(), (TextPosition{0, 1}));

  ops.setLines({"ab"});
  ops.setCaret({0, 1});
  box->setCurrentIndex(20);
  plus->click();
  EXPECT_EQ(ops.Lines(), (Lines{R"(a<cflocation addtoken="yes|no" url="">b)"}));

  ops.setLines({"ab"});
  ops.setCaret({0, 1});
  box->setEditText("<cfx_own>");
  plus->click();
  plus->click();  // the typed text stays in the box
  EXPECT_EQ(ops.Lines(), (Lines{"a<cfx_own><cfx_own>b"}));
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
    if (c.bar.bar != BarId::None &&
        (c.bar.control == Control::Button || c.bar.control == Control::TagBoxButton)) {
      QToolButton* b = button(c);
      ASSERT_NE(b, nullptr);
      b->click();
    }
  }
  control<QComboBox>("fontbox")->setCurrentIndex(1);
  control<QComboBox>("dxBarColorCombo1")->setCurrentText("Red");
  EXPECT_TRUE(form_.documents().isEmpty());
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_TRUE(prompter_.errors.isEmpty());
}

TEST_F(MarkupCommandsTest, EntriesWithoutActionArePresentAndChangeNothing) {
  EditorOps& ops = openDocument();
  reset(ops);
  // Video and Audio write nothing themselves; another command group may give
  // them a dialog, so they are only looked for here.
  for (const char* name : {"Video1", "Audio1"}) EXPECT_NE(form_.findChild<QAction*>(name), nullptr) << name;
  for (const char* name : {"VideoButton", "SoundButton"}) EXPECT_NE(control<QToolButton>(name), nullptr) << name;
  for (const char* name : {"WizardButton", "JSPButton"}) {
    auto* b = control<QToolButton>(name);
    ASSERT_NE(b, nullptr) << name;
    b->click();
  }
  auto* extras = control<QToolButton>("ExtrasButton");
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
  EXPECT_EQ(ops.Lines(), kStart);
}

// A menu as one line per entry: "|" for a separator, "name>" for a submenu.
QStringList entriesOf(const QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) {
    if (a->isSeparator()) out << "|";
    else if (a->menu()) out << a->menu()->objectName() + ">" + a->text();
    else out << a->objectName() + " " + a->text();
  }
  return out;
}

TEST_F(MarkupCommandsTest, TheInsertAndFormatMenusHoldTheirEntriesInOrder) {
  ASSERT_NE(menu(MenuId::Insert), nullptr);
  EXPECT_EQ(entriesOf(menu(MenuId::Insert)),
            (QStringList{"Image1 &Image", "RolloverImage1 &Rollover Image", "|", "Table1 &Table", "Layer1 &Layer",
                         "HorizontalRule1 Hori&zontal Rule", "LineBreak1 Line Brea&k",
                         "NonBreakingSpace1 N&on Breaking Space", "|", "Hyperlink1 &Hyperlink", "Anchor1 A&nchor",
                         "JavaScript1 &JavaScript", "JavaApplet1 J&ava Applet", "|", "N12 &Navigation Menu",
                         "Multimedia1>&Multimedia", "ActiveXControl1 Active&X Control", "Plugin1 &Plugin",
                         "Timestamp1 Timestamp"}));
  EXPECT_EQ(entriesOf(menu(MenuId::Multimedia)),
            (QStringList{"Shockwave1 &Shockwave", "QuickTime1 &QuickTime", "RealVideo1 &RealVideo", "Video1 &Video",
                         "Audio1 &Audio"}));
  ASSERT_NE(menu(MenuId::Format), nullptr);
  EXPECT_EQ(entriesOf(menu(MenuId::Format)),
            (QStringList{"Font1 &Font", "UsingStyleSheets1 Using &Style Sheets", "|", "FontFace1>Font F&ace",
                         "FontSizes1>Font Si&zes", "HeaderLevels1>&Header Levels", "|", "Alignment1>Alignment", "|",
                         "DHTMLTransitions1 &DHTML Transitions"}));
  EXPECT_EQ(entriesOf(menu(MenuId::FontFace)),
            (QStringList{"Bold1 &Bold", "Italic1 &Italic", "Underline1 &Underline", "Blink1 B&link",
                         "Strikethrough1 &Strikethrough"}));
  EXPECT_EQ(entriesOf(menu(MenuId::FontSizes)),
            (QStringList{"N62 6", "N53 5", "N42 4", "N32 3", "N22 2", "N110 1", "N111 -1", "N23 -2"}));
  EXPECT_EQ(entriesOf(menu(MenuId::HeaderLevels)),
            (QStringList{"H11 H1", "H21 H2", "H31 H3", "H41 H4", "H51 H5", "H61 H6"}));
  EXPECT_EQ(entriesOf(menu(MenuId::Alignment)),
            (QStringList{"LeftBtn Left Align", "rghtbtn Center Align", "cntbtn Right Align"}));
}

TEST_F(MarkupCommandsTest, DialogCommandsHaveTheirEntriesCaptionsAndShortcuts) {
  const std::vector<std::pair<const char*, const char*>> shortcuts = {
      {"Image1", "Ctrl+I"}, {"RolloverImage1", "Ctrl+L"}, {"Table1", "Ctrl+T"}, {"Hyperlink1", "Ctrl+H"}, {"Font1", "F9"}};
  for (const auto& [name, keys] : shortcuts) {
    QAction* a = form_.action(name);
    ASSERT_NE(a, nullptr) << name;
    EXPECT_EQ(a->shortcut(), QKeySequence(keys)) << name;
  }
  // The tab-only dialog buttons show their caption and have an action for the
  // dialog's command group to connect to.
  for (const char* name : {"ToolbarButton9738", "ToolbarButton9737", "ToolbarButton9733", "ASPButton1",
                           "ToolbarButton976", "ToolbarButton9713", "PHPVarButton", "TableButton"}) {
    EXPECT_NE(form_.action(name == std::string("TableButton") ? "Table1" : name), nullptr) << name;
    EXPECT_NE(control<QToolButton>(name), nullptr) << name;
  }
  EXPECT_EQ(control<QToolButton>("ASPButton1")->text(), "Vars");
  EXPECT_EQ(control<QToolButton>("ToolbarButton9738")->text(), "access");
  EXPECT_EQ(control<QToolButton>("TableButton")->text(), "table");
}

// A bar as the object names of its items, "|" for a separator.
QStringList itemsOf(const QToolBar* bar) {
  QStringList out;
  for (QAction* a : bar->actions()) {
    if (a->isSeparator()) out << "|";
    else if (QWidget* w = bar->widgetForAction(a)) out << w->objectName();
  }
  return out;
}

TEST_F(MarkupCommandsTest, TheBarsShowTheirItemsLeftToRight) {
  const std::vector<std::pair<BarId, QStringList>> expected = {
      {BarId::Formatting, {"fontbox", "dxBarColorCombo1", "Bold1", "Italic1", "Underline1", "LeftBtn", "rghtbtn", "cntbtn"}},
      {BarId::Common,
       {"ImageButton", "RolloverButton", "HyperlinkButton", "AnchorButton", "ScriptButton", "AppletButton",
        "ShockwaveButton", "VideoButton", "SoundButton", "QuickTimeButton", "RealVideoButton", "NavigationMenuButton",
        "ActiveXButton", "PluginButton", "LineBreakButton", "LayerButton", "TimeStampButton"}},
      {BarId::Frames, {"FramesetButton", "FrameButton", "IFrameButton", "NoFrameButton"}},
      {BarId::Tables, {"TableButton", "tobdyButton", "tHeadButton", "tFootButton", "tRButton", "tDButton"}},
      {BarId::Forms,
       {"FormButton", "FormInputButton", "FormCheckBox", "FormRadio", "FormEdit", "FormMemo", "FormCombo", "FormFile",
        "FormImage", "FormHidden"}},
      {BarId::Lists,
       {"WizardButton", "ULButton", "ToolbarButton9735", "ToolbarButton9736", "ToolbarButton9734", "ToolbarButton9732",
        "ToolbarButton977"}},
      {BarId::WML,
       {"ToolbarButton9738", "ToolbarButton9737", "ToolbarButton9733", "|", "BigSmallButton", "ToolbarButton9740",
        "ToolbarButton9739", "ToolbarButton9741"}},
      {BarId::ASP, {"ASPButton1", "ASPButton2", "ASPButton3", "ASPButton4", "ASPButton5", "ASPButton6", "ASPButton7"}},
      {BarId::ColdFusion,
       {"ToolbarButton976", "|", "CFTagBox", "CFTagButton", "|", "ToolbarButton9710", "ToolbarButton979",
        "ToolbarButton978", "ToolbarButton975", "ToolbarButton974"}},
      {BarId::SSI,
       {"ToolbarButton9713", "ToolbarButton9715", "ToolbarButton9716", "ToolbarButton9714", "ToolbarButton9712",
        "ExtrasButton"}},
      {BarId::PHP,
       {"PHPVarButton", "ToolbarButton9724", "ToolbarButton9725", "ToolbarButton9726", "ToolbarButton9729",
        "ToolbarButton9727", "ToolbarButton9728", "ToolbarButton9730", "ToolbarButton9731"}},
      {BarId::WebTV,
       {"ToolbarButton9719", "ToolbarButton9721", "ToolbarButton9723", "ToolbarButton9743", "ToolbarButton9722",
        "ToolbarButton9720", "ToolbarButton9718", "ToolbarButton9717"}},
      {BarId::JSP,
       {"JSPButton", "ToolbarButton9744", "ToolbarButton9746", "ToolbarButton9745", "ToolbarButton9747",
        "ToolbarButton9748", "ToolbarButton9750", "ToolbarButton9749"}},
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
    if (!c.bar.hint.empty()) { EXPECT_EQ(b->toolTip(), qs(c.bar.hint)); }
  }
  EXPECT_EQ(control<QToolButton>("HyperlinkButton")->toolTip(), "Insert a Hyperlink:");
  EXPECT_EQ(control<QToolButton>("ASPButton7")->text(), "<% end if %>");
}

TEST_F(MarkupCommandsTest, TheBoxesStartAsDescribed) {
  auto* fonts = control<QComboBox>("fontbox");
  auto* colours = control<QComboBox>("dxBarColorCombo1");
  auto* tags = control<QComboBox>("CFTagBox");
  ASSERT_TRUE(fonts && colours && tags);
  EXPECT_EQ(fonts->width(), 124);
  EXPECT_EQ(fonts->currentText(), "Times New Roman");
  EXPECT_GT(fonts->count(), 1);
  EXPECT_EQ(colours->width(), 100);
  EXPECT_EQ(colours->currentText(), "Black");
  QStringList names;
  for (int i = 0; i < colours->count(); ++i) names << colours->itemText(i);
  EXPECT_EQ(names, (QStringList{"Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray", "Silver",
                                "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White"}));
  EXPECT_EQ(tags->width(), 145);
  EXPECT_TRUE(tags->isEditable());
  EXPECT_EQ(tags->count(), 38);
  EXPECT_EQ(tags->currentText(), "ColdFusion Tags...");
  EXPECT_EQ(tags->itemText(0), "<cfabort>");
}

TEST_F(MarkupCommandsTest, BigAndSmallWrapFromTheDropDownButton) {
  EditorOps& ops = openDocument();
  auto* bigSmall = control<QToolButton>("BigSmallButton");
  ASSERT_NE(bigSmall, nullptr);
  EXPECT_EQ(bigSmall->text(), "big/small");
  ASSERT_NE(bigSmall->menu(), nullptr);
  QStringList captions;
  for (QAction* a : bigSmall->menu()->actions()) captions << a->text();
  EXPECT_EQ(captions, (QStringList{"&Big", "&Small"}));
  ops.setLines({"ab"});
  ops.select({0, 0}, {0, 1});
  bigSmall->menu()->actions().at(1)->trigger();
  EXPECT_EQ(ops.Lines(), (Lines{"<small>a</small>b"}));
}

}  // namespace
}  // namespace markloom
