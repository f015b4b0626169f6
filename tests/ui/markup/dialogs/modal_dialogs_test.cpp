// Each modal builder dialog driven through its menu or tag bar action: fields
// filled by object name, then OK writes into the active document, Cancel
// writes nothing; refused fields and commands without a document.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTimer>
#include <functional>

#include "builder_host.h"
#include "core/markup/tags/vendor_addresses.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/markup/dialogs/font_dialog.h"
#include "ui/markup/dialogs/applet_dialog.h"
#include "ui/markup/dialogs/quicktime_dialog.h"
#include "ui/markup/dialogs/real_video_dialog.h"
#include "ui/markup/dialogs/script_dialog.h"
#include "ui/markup/dialogs/page_transition_dialog.h"
#include "ui/markup/dialogs/wml_go_dialog.h"

namespace markloom {
namespace {

using Lines = std::vector<std::string>;
using test::check;
using test::click;
using test::fill;

const std::string kQt(markup::kQuickTimePluginPage);

struct ModalCase {
  std::string name;
  QString action;
  QString dialog;
  std::function<void(QDialog*)> fillIn;
  Lines expected;  // the first document ("ab", caret after "a") after OK
};
void PrintTo(const ModalCase& c, std::ostream* os) { *os << c.name; }

void selectRow(QDialog* d, const QString& list, const QString& text) {
  auto* box = d->findChild<QListWidget*>(list);
  ASSERT_NE(box, nullptr);
  const auto found = box->findItems(text, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  box->setCurrentItem(found.first());
}

const std::vector<ModalCase> kModalCases = {
    {"ScriptTwoCodeLines", "JavaScript1", "TScriptForm",
     [](QDialog* d) {
       fill(d, "EditLanguage", "JavaScript");
       fill(d, "ScriptEdit", "a();\nb();");
     },
     {"a<SCRIPT Language=\"JavaScript\">", "a();", "b();", "</script>", "b"}},
    {"ScriptTypeAndSource", "JavaScript1", "TScriptForm",
     [](QDialog* d) {
       fill(d, "EditLanguage", "VBScript");
       fill(d, "EditContentType", "text/vbscript");
       fill(d, "EditSource", "x.vb");
     },
     {"a<SCRIPT Language=\"VBScript\" type=\"text/vbscript\" src=\"x.vb\">", "</script>", "b"}},
    {"AppletOnlyClass", "JavaApplet1", "TJavaForm", [](QDialog* d) { fill(d, "EditApplet", "Hello.class"); },
     {"a<applet code=\"Hello.class\">b"}},
    {"AppletWidthAndAlign", "JavaApplet1", "TJavaForm",
     [](QDialog* d) {
       fill(d, "EditApplet", "A.class");
       fill(d, "EditWidth", "90");
       fill(d, "EditAlign", "left");
     },
     {"a<applet code=\"A.class\" width=\"90\" align=\"left\">b"}},
    {"QuickTimeDefaults", "QuickTime1", "TQuickTimeForm", [](QDialog* d) { fill(d, "Edit971", "m.mov"); },
     {"a<embed src=\"m.mov\" height=\"0\" width=\"0\" autoplay=\"true\" loop=\"true\" controller=\"true\" href=\"\" "
      "target=\"\" pluginspage=\"" + kQt + "\"></embed>b"}},
    {"QuickTimeBoxesOff", "QuickTime1", "TQuickTimeForm",
     [](QDialog* d) {
       fill(d, "Edit971", "m.mov");
       fill(d, "Edit978", "_top");
       fill(d, "Edit974", "l.html");
       check(d, "CheckBox1", false);
       check(d, "CheckBox3", false);
     },
     {"a<embed src=\"m.mov\" height=\"0\" width=\"0\" autoplay=\"false\" loop=\"true\" controller=\"false\" "
      "href=\"l.html\" target=\"_top\" pluginspage=\"" + kQt + "\"></embed>b"}},
    {"FontBoldAndCode", "Font1", "TForm33",
     [](QDialog* d) {
       fill(d, "Fonty", "Arial");
       fill(d, "Edit1", "3");
       d->findChild<QComboBox*>("ColorBox")->setCurrentText("Red");
       check(d, "CheckBox1", true);
       check(d, "CheckBox5", true);
     },
     {"a<B><CODE><FONT face=\"Arial\" size=\"3\" color=\"Red\"></FONT></CODE></B>b"}},
    {"StyleSheet", "UsingStyleSheets1", "TStylForm", [](QDialog* d) { fill(d, "Edit1", "site.css"); },
     {"a<LINK REL=\"stylesheet\" TITLE=\"Default\" HREF=\"site.css\" TYPE=\"text/css\">b"}},
    {"TransitionCircleOut", "DHTMLTransitions1", "TForm31", [](QDialog* d) { selectRow(d, "ListBox1", "Circle Out"); },
     {"a<meta http-equiv=\"Page-Enter\" content=\"revealTrans(Duration=1.0,Transition=3)\">b"}},
    {"TransitionTypedEvent", "DHTMLTransitions1", "TForm31",
     [](QDialog* d) {
       fill(d, "ComboBox971", "Page-Exit");
       fill(d, "Edit971", "5");
       selectRow(d, "ListBox1", "Split Vertical In");
     },
     {"a<meta http-equiv=\"Page-Exit\" content=\"revealTrans(Duration=5.0,Transition=13)\">b"}},
    {"WmlCard", "ToolbarButton9737", "TWMLCardForm",
     [](QDialog* d) {
       fill(d, "EditID", "c1");
       fill(d, "EditTitle", "Main");
     },
     {"a<card id=\"c1\" title=\"Main\"></card>b"}},
    {"WmlAccess", "ToolbarButton9738", "TWMLAccessForm",
     [](QDialog* d) {
       fill(d, "EditDomain", "example.org");
       fill(d, "EditPath", "/docs");
     },
     {"a<access domain=\"example.org\" path=\"//docs\"/>b"}},
    {"WmlGoDefaults", "ToolbarButton9733", "TWMLGoForm", [](QDialog* d) { fill(d, "EditAddress", "#next"); },
     {"a<go href=\"#next\" sendreferer=\"False\" method=\"GET\" enctype=\"application/x-www-form-urlencoded\"> </go>b"}},
    {"WmlGoOptionalEmpty", "ToolbarButton9733", "TWMLGoForm",
     [](QDialog* d) {
       fill(d, "EditMethod", "");
       fill(d, "EditEncType", "");
       check(d, "CheckBox1", true);
     },
     {"a<go href=\"\" sendreferer=\"True\"> </go>b"}},
};

class ModalDialog : public ::testing::TestWithParam<ModalCase> {
 protected:
  void SetUp() override { host.first.setCaret({0, 1}); }
  test::TempHome home;
  test::ScriptedPrompter prompter;
  test::BuilderHost host;
};

TEST_P(ModalDialog, OkWritesTheMarkupIntoTheActiveDocument) {
  const ModalCase& c = GetParam();
  QAction* action = host.action(c.action);
  ASSERT_NE(action, nullptr) << c.action.toStdString();
  test::whenModal(c.dialog, [&](QDialog* d) {
    c.fillIn(d);
    click(d, "OKButton");
  });
  action->trigger();
  EXPECT_EQ(host.first.Lines(), c.expected);
  // A snippet leaves the caret in front of what it inserted; the font wraps
  // the (empty) selection and leaves it after the element.
  const bool wraps = c.action == "Font1";
  const int before = wraps ? static_cast<int>(host.first.line(0).size()) - 1 : 1;
  if (c.expected.size() == 1) { EXPECT_EQ(host.first.caret(), (TextPosition{0, before})); }
  EXPECT_EQ(host.second.Lines(), (Lines{"xy"}));
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join('\n').toStdString();
}

TEST_P(ModalDialog, CancelWritesNothing) {
  const ModalCase& c = GetParam();
  test::whenModal(c.dialog, [&](QDialog* d) {
    c.fillIn(d);
    click(d, "CancelButton");
  });
  host.action(c.action)->trigger();
  EXPECT_EQ(host.first.Lines(), (Lines{"ab"}));
  EXPECT_FALSE(host.first.Modified());
}

TEST_P(ModalDialog, WithNoDocumentOpenNothingOpens) {
  host.active = nullptr;
  // Should a dialog open, this closes it and fails; the timer dies with the test.
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      ADD_FAILURE() << dialog->objectName().toStdString() << " opened without a document";
      dialog->reject();
    }
  });
  watchdog.start(50);
  host.action(GetParam().action)->trigger();
  EXPECT_EQ(host.first.Lines(), (Lines{"ab"}));
  EXPECT_TRUE(prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Builders, ModalDialog, ::testing::ValuesIn(kModalCases),
                         [](const auto& info) { return info.param.name; });

class ModalRefusal : public ::testing::Test {
 protected:
  void SetUp() override { host.first.setCaret({0, 1}); }
  test::TempHome home;
  test::ScriptedPrompter prompter;
  test::BuilderHost host;
};

TEST_F(ModalRefusal, AppletWithoutClassIsRefusedAndInsertsNothing) {
  test::whenModal("TJavaForm", [](QDialog* d) {
    fill(d, "EditWidth", "10");
    click(d, "OKButton");
  });
  host.action("JavaApplet1")->trigger();
  EXPECT_EQ(prompter.errors, QStringList{"You have not specifed an applet."});
  EXPECT_EQ(prompter.beeps, 1);
  EXPECT_EQ(host.first.Lines(), (Lines{"ab"}));
}

TEST_F(ModalRefusal, TransitionWithoutTypeIsRefusedAndInsertsNothing) {
  test::whenModal("TForm31", [](QDialog* d) { click(d, "OKButton"); });
  host.action("DHTMLTransitions1")->trigger();
  EXPECT_EQ(prompter.errors, QStringList{"Please select a transition type."});
  EXPECT_EQ(host.first.Lines(), (Lines{"ab"}));
}

TEST_F(ModalRefusal, QuickTimeWithoutMovieOffersTheChooserAndTakesItsPath) {
  prompter.fileNames = {"/media/clip.mov"};
  test::whenModal("TQuickTimeForm", [](QDialog* d) { click(d, "OKButton"); });
  host.action("QuickTime1")->trigger();
  EXPECT_EQ(prompter.errors, QStringList{"Please specify a QuickTime movie."});
  EXPECT_EQ(prompter.fileCaptions, QStringList{"Open a QuickTime Movie"});
  EXPECT_EQ(host.first.line(0).rfind("a<embed src=\"/media/clip.mov\" height=\"0\"", 0), 0u) << host.first.line(0);
}

TEST_F(ModalRefusal, RealVideoWithoutClipInsertsEvenWhenTheChooserIsCancelled) {
  prompter.fileNames = {""};
  test::whenModal("TRealForm", [](QDialog* d) {
    check(d, "CheckBox1", false);
    click(d, "OKButton");
  });
  host.action("RealVideo1")->trigger();
  EXPECT_EQ(prompter.errors, QStringList{"Please specify a RealMovie clip."});
  const std::string line = host.first.line(0);
  EXPECT_NE(line.find("<param name=\"SRC\" value=\"\">"), std::string::npos) << line;
  EXPECT_NE(line.find("<param name=\"AUTOSTART\" value=\"false\">"), std::string::npos) << line;
  EXPECT_NE(line.find("autoplay=\"false\"></embed></object>b"), std::string::npos) << line;
}

// The dialogs open with the documented values and give back what they are set to.
class DialogFields : public ::testing::Test {
 protected:
  test::TempHome home;
  test::ScriptedPrompter prompter;
};

TEST_F(DialogFields, OpenWithTheirInitialValues) {
  EXPECT_EQ(ScriptDialog().fields(), markup::ScriptFields{});
  EXPECT_EQ(AppletDialog().fields(), markup::AppletFields{});
  EXPECT_EQ(QuickTimeDialog().fields(), markup::QuickTimeFields{});
  EXPECT_EQ(RealVideoDialog().fields(), markup::RealVideoFields{});
  EXPECT_EQ(FontDialog().fields(), markup::FontFields{});
  EXPECT_EQ(PageTransitionDialog().fields(), markup::TransitionFields{});
  EXPECT_EQ(WmlGoDialog().fields(), markup::WmlGoFields{});
  EXPECT_EQ(QuickTimeDialog().windowTitle(), "Insert QuickTime Movie");
  EXPECT_EQ(PageTransitionDialog().windowTitle(), "Page Transitions Control");
  EXPECT_EQ(AppletDialog().windowTitle(), "Insert Java Applet...");
}

TEST_F(DialogFields, GiveBackWhatTheyAreSetTo) {
  {
    ScriptDialog f;
    const markup::ScriptFields v{"PHP", "text/php", "/s.php", {"echo 1;", "", "x"}};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    AppletDialog f;
    const markup::AppletFields v{"A.class", "cb", "alt", "n", "1", "2", "3", "4", "top"};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    QuickTimeDialog f;
    const markup::QuickTimeFields v{"m", "1", "2", "t", "l", false, false, true};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    FontDialog f;
    markup::FontFields v;
    v.name = "Courier New";
    v.size = "5";
    v.colour = "$00804020";
    v.styles[2] = v.styles[9] = true;
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    PageTransitionDialog f;
    const markup::TransitionFields v{"Site-Exit", "4", 22};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    WmlGoDialog f;
    const markup::WmlGoFields v{"#a", true, "PUT", "e", "n", "c"};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
}

TEST_F(DialogFields, BrowseButtonsFillTheirFields) {
  prompter.fileNames = {"/v/a.mov", "/s/x.js", "/j/H.class"};
  QuickTimeDialog qt;
  click(&qt, "Button3");
  EXPECT_EQ(qt.fields().movie, "file:///v/a.mov");
  ScriptDialog script;
  click(&script, "Button1");
  EXPECT_EQ(script.fields().source, "/s/x.js");
  AppletDialog java;
  click(&java, "Button1");
  EXPECT_EQ(java.fields().applet, "/j/H.class");
  EXPECT_EQ(prompter.fileCaptions,
            (QStringList{"Open a QuickTime Movie", "Insert Script from File...", "Insert Java Applet"}));
}

TEST_F(DialogFields, FontPreviewFollowsFaceAndColour) {
  FontDialog f;
  EXPECT_EQ(f.preview()->text(), "Aa Bb Cc Dd 123456789");
  fill(&f, "Fonty", "Courier New");
  f.findChild<QComboBox*>("ColorBox")->setCurrentText("Navy");
  EXPECT_EQ(f.preview()->font().family(), "Courier New");
  EXPECT_EQ(f.preview()->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
}

TEST_F(DialogFields, FontCustomColourIsWrittenAsHexAndCancelKeepsTheOldOne) {
  FontDialog f;
  auto* box = f.findChild<QComboBox*>("ColorBox");
  box->setCurrentText("Teal");
  prompter.colors = {std::nullopt, QColor(0x20, 0x40, 0x80)};
  box->setCurrentText("Custom...");
  EXPECT_EQ(f.fields().colour, "Teal");
  box->setCurrentText("Custom...");
  EXPECT_EQ(f.fields().colour, "$00804020");
  EXPECT_EQ(f.preview()->palette().color(QPalette::WindowText), QColor(0x20, 0x40, 0x80));
}

}  // namespace
}  // namespace markloom
