// The two long-lived dialogs: shown without blocking by their commands, hidden
// by OK and Cancel, writing into whichever document is active at OK.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QToolButton>

#include "builder_host.h"
#include "core/markup/tags/media_builder.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/markup/builder_dialog_commands.h"
#include "ui/markup/dialogs/multimedia_dialog.h"
#include "ui/markup/dialogs/server_variables_dialog.h"

namespace markloom {
namespace {

using Lines = std::vector<std::string>;
using test::click;
using test::fill;

QStringList entries(const QComboBox* box) {
  QStringList out;
  for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
  return out;
}

class Modeless : public ::testing::Test {
 protected:
  void SetUp() override {
    host.first.setCaret({0, 1});
    host.second.setCaret({0, 1});
    media = host.commands->mediaForm();
    special = host.commands->specialForm();
  }
  test::TempHome home;
  test::ScriptedPrompter prompter;
  test::BuilderHost host;
  MultimediaDialog* media = nullptr;
  ServerVariablesDialog* special = nullptr;
};

TEST_F(Modeless, BothExistFromTheStartHiddenAndOwnedByTheMainWindow) {
  ASSERT_NE(media, nullptr);
  ASSERT_NE(special, nullptr);
  EXPECT_FALSE(media->isVisible());
  EXPECT_FALSE(special->isVisible());
  EXPECT_EQ(media->parentWidget(), &host);
  EXPECT_EQ(special->parentWidget(), &host);
  EXPECT_FALSE(media->isModal());
  EXPECT_EQ(media->windowTitle(), "Insert Multimedia File...");
  EXPECT_EQ(special->windowTitle(), "Insert Server Variables...");
  EXPECT_TRUE(host.commands->missingActions().isEmpty()) << host.commands->missingActions().join(' ').toStdString();
}

TEST_F(Modeless, MediaOkWritesIntoTheDocumentActiveAtThatMoment) {
  host.action("Shockwave1")->trigger();
  ASSERT_TRUE(media->isVisible());
  EXPECT_EQ(media->MediaMode, "SHOCK");
  fill(media, "EditSource", "f.swf");
  host.active = &host.second;  // another document is activated meanwhile
  click(media, "Button2");
  EXPECT_FALSE(media->isVisible());
  EXPECT_EQ(host.first.Lines(), (Lines{"ab"}));
  EXPECT_EQ(host.second.Lines(), (Lines{"x" + *markup::buildMedia("SHOCK", "f.swf") + "y"}));
  // Hidden, not destroyed: the same dialog serves the next command.
  host.action("Plugin1")->trigger();
  EXPECT_EQ(host.commands->mediaForm(), media);
  EXPECT_TRUE(media->isVisible());
}

TEST_F(Modeless, ModeSwitchWhileShownKeepsTheSourceUntilShownAgain) {
  host.action("Shockwave1")->trigger();
  fill(media, "EditSource", "kept.mid");
  host.action("Plugin1")->trigger();
  EXPECT_EQ(media->MediaMode, "PLUGS");
  EXPECT_EQ(media->findChild<QLineEdit*>("EditSource")->text(), "kept.mid");
  click(media, "Button3");  // Cancel hides, inserts nothing
  EXPECT_FALSE(media->isVisible());
  EXPECT_EQ(host.first.Lines(), (Lines{"ab"}));
  host.action("Plugin1")->trigger();
  EXPECT_EQ(media->findChild<QLineEdit*>("EditSource")->text(), "");
  fill(media, "EditSource", "p.mid");
  click(media, "Button2");
  EXPECT_EQ(host.first.Lines(), (Lines{"a<embed src=\"p.mid\"></embed>b"}));
}

struct MediaCase {
  std::string name;
  QString trigger;  // an action, or a tag bar button (prefixed "button:")
  QString mode;
};
void PrintTo(const MediaCase& c, std::ostream* os) { *os << c.name; }
const std::vector<MediaCase> kMediaCases = {
    {"ShockwaveEntry", "Shockwave1", "SHOCK"},
    {"ShockwaveButton", "button:ShockwaveButton", "SHOCK"},
    {"PluginEntry", "Plugin1", "PLUGS"},
    {"VideoEntry", "Video1", "VIDEO"},
    {"VideoButton", "button:VideoButton", "VIDEO"},
    {"AudioEntry", "Audio1", "SOUND"},
    {"SoundButton", "button:SoundButton", "SOUND"},
};
class MediaMode : public Modeless, public ::testing::WithParamInterface<MediaCase> {};
TEST_P(MediaMode, EachEntryShowsTheDialogInItsMode) {
  const MediaCase& c = GetParam();
  if (c.trigger.startsWith("button:")) {
    auto* button = host.findChild<QToolButton*>(c.trigger.mid(7));
    ASSERT_NE(button, nullptr) << c.trigger.toStdString();
    button->click();
  } else {
    host.action(c.trigger)->trigger();
  }
  ASSERT_TRUE(media->isVisible());
  EXPECT_EQ(media->MediaMode, c.mode);
  fill(media, "EditSource", "m.bin");
  click(media, "Button2");
  EXPECT_EQ(host.first.Lines(), (Lines{"a" + *markup::buildMedia(c.mode.toStdString(), "m.bin") + "b"}));
}
INSTANTIATE_TEST_SUITE_P(Builders, MediaMode, ::testing::ValuesIn(kMediaCases),
                         [](const auto& info) { return info.param.name; });

TEST_F(Modeless, WithoutADocumentOnlyShockwaveOpensAndItsOkInsertsNothing) {
  host.active = nullptr;
  for (const char* name : {"Plugin1", "Video1", "Audio1", "ASPButton1", "PHPVarButton"}) {
    host.action(name)->trigger();
    EXPECT_FALSE(media->isVisible()) << name;
    EXPECT_FALSE(special->isVisible()) << name;
  }
  host.action("Shockwave1")->trigger();
  ASSERT_TRUE(media->isVisible());
  fill(media, "EditSource", "f.swf");
  click(media, "Button2");
  EXPECT_FALSE(media->isVisible());
  EXPECT_EQ(host.first.Lines(), (Lines{"ab"}));
}

TEST_F(Modeless, MediaEmptySourceIsReportedAndTheChosenPathUsed) {
  prompter.fileNames = {"/snd/a.wav"};
  host.action("Audio1")->trigger();
  click(media, "Button2");
  EXPECT_EQ(prompter.errors, QStringList{"Please specify a file."});
  EXPECT_EQ(prompter.beeps, 1);
  EXPECT_EQ(host.first.Lines(), (Lines{"a" + *markup::buildMedia("SOUND", "/snd/a.wav") + "b"}));
}

TEST_F(Modeless, MediaUnknownModeKeepsTheDialogOpen) {
  media->showFor("shock");
  fill(media, "EditSource", "f.swf");
  click(media, "Button2");
  EXPECT_TRUE(media->isVisible());
  EXPECT_EQ(host.first.Lines(), (Lines{"ab"}));
}

struct VariableCase {
  std::string name;
  QString action;
  QString file;
  QString variable;
  std::string expected;
};
void PrintTo(const VariableCase& c, std::ostream* os) { *os << c.name; }
const std::vector<VariableCase> kVariableCases = {
    {"Asp", "ASPButton1", "aspvars.qdf", "REMOTE_ADDR", R"(<%= Request.ServerVariables("REMOTE_ADDR") %>)"},
    {"Cfm", "ToolbarButton976", "cfmvars.qdf", "HTTP_USER_AGENT", "#CGI.HTTP_USER_AGENT#"},
    {"Ssi", "ToolbarButton9713", "ssivars.qdf", "DOCUMENT_NAME", R"(<!--#ECHO VAR="DOCUMENT_NAME" -->)"},
    {"Php", "PHPVarButton", "phpvars.qdf", "_SERVER['PHP_SELF']", "<?php echo $_SERVER['PHP_SELF']; ?>"},
};
class ServerVariables : public Modeless, public ::testing::WithParamInterface<VariableCase> {};
TEST_P(ServerVariables, LoadTheModesListAndWriteItsSyntax) {
  const VariableCase& c = GetParam();
  host.action(c.action)->trigger();
  ASSERT_TRUE(special->isVisible());
  QStringList expected = QString::fromLatin1(home.read("Extensions/" + c.file)).split("\r\n");
  expected.removeLast();  // after the last line end
  EXPECT_EQ(entries(special->variables()), expected);
  EXPECT_EQ(special->variables()->currentText(), "");
  special->variables()->setCurrentIndex(special->variables()->findText(c.variable));
  ASSERT_EQ(special->variables()->currentText(), c.variable);
  host.active = &host.second;
  click(special, "Button1");
  EXPECT_FALSE(special->isVisible());
  EXPECT_EQ(host.second.Lines(), (Lines{"x" + c.expected + "y"}));
  EXPECT_EQ(host.first.Lines(), (Lines{"ab"}));
}
INSTANTIATE_TEST_SUITE_P(Builders, ServerVariables, ::testing::ValuesIn(kVariableCases),
                         [](const auto& info) { return info.param.name; });

TEST_F(Modeless, VariablesModeSwitchChangesSyntaxButNotEntriesUntilShownAgain) {
  host.action("ASPButton1")->trigger();
  const QStringList aspEntries = entries(special->variables());
  host.action("ToolbarButton9713")->trigger();  // SSI while still shown
  EXPECT_EQ(special->VariableMode, "SSI");
  EXPECT_EQ(entries(special->variables()), aspEntries);
  fill(special, "EditVars", "DOCUMENT_NAME");
  click(special, "Button1");
  EXPECT_EQ(host.first.Lines(), (Lines{R"(a<!--#ECHO VAR="DOCUMENT_NAME" -->b)"}));
  host.action("ToolbarButton9713")->trigger();
  EXPECT_NE(entries(special->variables()), aspEntries);
  EXPECT_TRUE(entries(special->variables()).contains("DATE_LOCAL"));
  click(special, "Button2");  // Cancel
  EXPECT_FALSE(special->isVisible());
  EXPECT_EQ(host.first.Lines(), (Lines{R"(a<!--#ECHO VAR="DOCUMENT_NAME" -->b)"}));
}

TEST_F(Modeless, MissingListFileIsReportedAndTheEntriesStay) {
  host.action("ASPButton1")->trigger();
  const QStringList aspEntries = entries(special->variables());
  click(special, "Button2");
  ASSERT_TRUE(QFile::remove(home.file("Extensions/phpvars.qdf")));
  host.action("PHPVarButton")->trigger();
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_TRUE(prompter.errors[0].startsWith("Cannot open file ")) << prompter.errors[0].toStdString();
  EXPECT_TRUE(prompter.errors[0].endsWith("phpvars.qdf")) << prompter.errors[0].toStdString();
  EXPECT_EQ(entries(special->variables()), aspEntries);
  fill(special, "EditVars", "");
  click(special, "Button1");
  EXPECT_EQ(host.first.Lines(), (Lines{"a<?php echo $; ?>b"}));
}

}  // namespace
}  // namespace markloom
