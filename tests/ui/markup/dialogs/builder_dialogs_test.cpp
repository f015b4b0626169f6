// The builder dialogs on their own: they open with the documented values,
// give back what they are set to, and their Browse buttons and the font
// preview work. What their commands insert is tested with the commands.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>

#include "support/dialog_driver.h"
#include "support/scripted_prompter.h"
#include "support/temp_home.h"
#include "ui/markup/dialogs/applet_dialog.h"
#include "ui/markup/dialogs/font_dialog.h"
#include "ui/markup/dialogs/page_transition_dialog.h"
#include "ui/markup/dialogs/quicktime_dialog.h"
#include "ui/markup/dialogs/real_video_dialog.h"
#include "ui/markup/dialogs/script_dialog.h"
#include "ui/markup/dialogs/style_sheet_dialog.h"
#include "ui/markup/dialogs/wml_access_dialog.h"
#include "ui/markup/dialogs/wml_card_dialog.h"
#include "ui/markup/dialogs/wml_go_dialog.h"

namespace markloom::test {
namespace {

// The dialogs open with the documented values and give back what they are set to.
class BuilderDialogs : public ::testing::Test {
 protected:
  TempHome home;
  ScriptedPrompter prompter;
};

TEST_F(BuilderDialogs, OpenWithTheirInitialValues) {
  EXPECT_EQ(ScriptDialog().fields(), tags::ScriptFields{});
  EXPECT_EQ(AppletDialog().fields(), tags::AppletFields{});
  EXPECT_EQ(QuickTimeDialog().fields(), tags::QuickTimeFields{});
  EXPECT_EQ(RealVideoDialog().fields(), tags::RealVideoFields{});
  EXPECT_EQ(FontDialog().fields(), tags::FontFields{});
  EXPECT_EQ(PageTransitionDialog().fields(), tags::TransitionFields{});
  EXPECT_EQ(WmlGoDialog().fields(), tags::WmlGoFields{});
  EXPECT_EQ(QuickTimeDialog().windowTitle(), "Insert QuickTime Movie");
  EXPECT_EQ(PageTransitionDialog().windowTitle(), "Page Transitions Control");
  EXPECT_EQ(AppletDialog().windowTitle(), "Insert Java Applet...");
}

TEST_F(BuilderDialogs, GiveBackWhatTheyAreSetTo) {
  {
    ScriptDialog f;
    const tags::ScriptFields v{"PHP", "text/php", "/s.php", {"echo 1;", "", "x"}};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    AppletDialog f;
    const tags::AppletFields v{"A.class", "cb", "alt", "n", "1", "2", "3", "4", "top"};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    QuickTimeDialog f;
    const tags::QuickTimeFields v{"m", "1", "2", "t", "l", false, false, true};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    FontDialog f;
    tags::FontFields v;
    v.name = "Courier New";
    v.size = "5";
    v.colour = "$00804020";
    v.styles[2] = v.styles[9] = true;
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    PageTransitionDialog f;
    const tags::TransitionFields v{"Site-Exit", "4", 22};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    WmlGoDialog f;
    const tags::WmlGoFields v{"#a", true, "PUT", "e", "n", "c"};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    RealVideoDialog f;
    const tags::RealVideoFields v{"c.rpm", "1", "2", false};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    StyleSheetDialog f;
    const tags::StyleSheetFields v{"/css/site.css"};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    WmlCardDialog f;
    const tags::WmlCardFields v{"c1", "Main"};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
  {
    WmlAccessDialog f;
    const tags::WmlAccessFields v{"example.org", "docs"};
    f.setFields(v);
    EXPECT_EQ(f.fields(), v);
  }
}

TEST_F(BuilderDialogs, BrowseButtonsFillTheirFields) {
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

TEST_F(BuilderDialogs, FontPreviewFollowsFaceAndColour) {
  FontDialog f;
  EXPECT_EQ(f.preview()->text(), "Aa Bb Cc Dd 123456789");
  fill(&f, "Fonty", "Courier New");
  f.findChild<QComboBox*>("ColorBox")->setCurrentText("Navy");
  EXPECT_EQ(f.preview()->font().family(), "Courier New");
  EXPECT_EQ(f.preview()->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
}

TEST_F(BuilderDialogs, FontCustomColourIsWrittenAsHexAndCancelKeepsTheOldOne) {
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
}  // namespace markloom::test
