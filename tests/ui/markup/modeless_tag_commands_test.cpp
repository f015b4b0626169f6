// The two long-lived dialogs: shown without blocking by their commands, hidden
// by OK and Cancel, writing into whichever document is active at OK.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QToolButton>

#include "core/common/command_ids.h"
#include "core/document/editor_ops.h"
#include "core/markup/tags/multimedia_builder.h"
#include "support/dialog_driver.h"
#include "support/scripted_prompter.h"
#include "support/tag_dialog_host.h"
#include "support/temp_home.h"
#include "ui/common/dialog_kit.h"
#include "ui/markup/dialogs/multimedia_dialog.h"
#include "ui/markup/dialogs/server_variables_dialog.h"
#include "ui/markup/tag_dialog_commands.h"

namespace markloom::test {
namespace {

using Lines = std::vector<std::string>;
using tags::MediaKind;

std::string media(MediaKind kind, const std::string& source) { return tags::mediaMarkup({kind, source}).text; }

class Modeless : public ::testing::Test {
 protected:
  void SetUp() override {
    host.first.ops().setCaret({0, 1});
    host.second.ops().setCaret({0, 1});
    multimedia = host.commands->multimediaDialog();
    variables = host.commands->serverVariablesDialog();
  }
  void trigger(std::string_view id) {
    QAction* a = host.action(id);
    ASSERT_NE(a, nullptr) << id;
    a->trigger();
  }
  Lines first() { return host.first.ops().lines(); }
  Lines second() { return host.second.ops().lines(); }

  TempHome home;
  ScriptedPrompter prompter;
  TagDialogHost host;
  MultimediaDialog* multimedia = nullptr;
  ServerVariablesDialog* variables = nullptr;
};

TEST_F(Modeless, BothExistFromTheStartHiddenAndOwnedByTheMainWindow) {
  ASSERT_NE(multimedia, nullptr);
  ASSERT_NE(variables, nullptr);
  EXPECT_FALSE(multimedia->isVisible());
  EXPECT_FALSE(variables->isVisible());
  EXPECT_EQ(multimedia->parentWidget(), &host);
  EXPECT_EQ(variables->parentWidget(), &host);
  EXPECT_FALSE(multimedia->isModal());
  EXPECT_EQ(multimedia->windowTitle(), "Insert Multimedia File...");
  EXPECT_EQ(variables->windowTitle(), "Insert Server Variables...");
  EXPECT_TRUE(host.commands->missingActions().isEmpty()) << host.commands->missingActions().join(' ').toStdString();
}

TEST_F(Modeless, MediaOkWritesIntoTheDocumentActiveAtThatMoment) {
  trigger(ids::kInsertShockwave);
  ASSERT_TRUE(multimedia->isVisible());
  EXPECT_EQ(multimedia->kind(), MediaKind::Shockwave);
  fill(multimedia, "EditSource", "f.swf");
  host.active = &host.second.document();  // another document is activated meanwhile
  click(multimedia, "Button2");
  EXPECT_FALSE(multimedia->isVisible());
  EXPECT_EQ(first(), (Lines{"ab"}));
  EXPECT_EQ(second(), (Lines{"x" + media(MediaKind::Shockwave, "f.swf") + "y"}));
  // Hidden, not destroyed: the same dialog serves the next command.
  trigger(ids::kInsertPlugin);
  EXPECT_EQ(host.commands->multimediaDialog(), multimedia);
  EXPECT_TRUE(multimedia->isVisible());
}

TEST_F(Modeless, KindSwitchWhileShownKeepsTheSourceUntilShownAgain) {
  trigger(ids::kInsertShockwave);
  fill(multimedia, "EditSource", "kept.mid");
  trigger(ids::kInsertPlugin);
  EXPECT_EQ(multimedia->kind(), MediaKind::Plugin);
  EXPECT_EQ(multimedia->findChild<QLineEdit*>("EditSource")->text(), "kept.mid");
  click(multimedia, "Button3");  // Cancel hides, inserts nothing
  EXPECT_FALSE(multimedia->isVisible());
  EXPECT_EQ(first(), (Lines{"ab"}));
  trigger(ids::kInsertPlugin);
  EXPECT_EQ(multimedia->findChild<QLineEdit*>("EditSource")->text(), "");
  fill(multimedia, "EditSource", "p.mid");
  click(multimedia, "Button2");
  EXPECT_EQ(first(), (Lines{"a<embed src=\"p.mid\"></embed>b"}));
}

struct MediaCase {
  std::string name;
  std::string_view trigger;
  bool button;  // a tag bar button rather than the action
  MediaKind kind;
};
void PrintTo(const MediaCase& c, std::ostream* os) { *os << c.name; }
const std::vector<MediaCase> kMediaCases = {
    {"ShockwaveEntry", ids::kInsertShockwave, false, MediaKind::Shockwave},
    {"ShockwaveFromTheTagBar", ids::kInsertShockwaveButton, true, MediaKind::Shockwave},
    {"PluginEntry", ids::kInsertPlugin, false, MediaKind::Plugin},
    {"VideoEntry", ids::kInsertVideo, false, MediaKind::Video},
    {"VideoFromTheTagBar", ids::kInsertVideoButton, true, MediaKind::Video},
    {"SoundEntry", ids::kInsertSound, false, MediaKind::Sound},
    {"SoundFromTheTagBar", ids::kInsertSoundButton, true, MediaKind::Sound},
};
class MediaKindShown : public Modeless, public ::testing::WithParamInterface<MediaCase> {};
TEST_P(MediaKindShown, EachEntryShowsTheDialogForItsKind) {
  const MediaCase& c = GetParam();
  if (c.button) {
    auto* button = host.findChild<QToolButton*>(dialogkit::fromUtf8(c.trigger));
    ASSERT_NE(button, nullptr) << c.trigger;
    button->click();
  } else {
    trigger(c.trigger);
  }
  ASSERT_TRUE(multimedia->isVisible());
  EXPECT_EQ(multimedia->kind(), c.kind);
  fill(multimedia, "EditSource", "m.bin");
  click(multimedia, "Button2");
  EXPECT_EQ(first(), (Lines{"a" + media(c.kind, "m.bin") + "b"}));
}
INSTANTIATE_TEST_SUITE_P(Builders, MediaKindShown, ::testing::ValuesIn(kMediaCases),
                         [](const auto& row) { return row.param.name; });

TEST_F(Modeless, WithoutADocumentOnlyShockwaveOpensAndItsOkInsertsNothing) {
  host.active = nullptr;
  for (const std::string_view id :
       {ids::kInsertPlugin, ids::kInsertVideo, ids::kInsertSound, ids::kAspVariables, ids::kPhpVariables}) {
    trigger(id);
    EXPECT_FALSE(multimedia->isVisible()) << id;
    EXPECT_FALSE(variables->isVisible()) << id;
  }
  trigger(ids::kInsertShockwave);
  ASSERT_TRUE(multimedia->isVisible());
  fill(multimedia, "EditSource", "f.swf");
  click(multimedia, "Button2");
  EXPECT_FALSE(multimedia->isVisible());
  EXPECT_EQ(first(), (Lines{"ab"}));
}

TEST_F(Modeless, MediaEmptySourceIsReportedAndTheChosenPathUsed) {
  prompter.fileNames = {"/snd/a.wav"};
  trigger(ids::kInsertSound);
  click(multimedia, "Button2");
  EXPECT_EQ(prompter.errors, QStringList{"Please specify a file."});
  EXPECT_EQ(prompter.beeps, 1);
  EXPECT_EQ(prompter.fileCaptions, QStringList{"Insert Multimedia File..."});
  EXPECT_EQ(first(), (Lines{"a" + media(MediaKind::Sound, "/snd/a.wav") + "b"}));
}

struct VariableCase {
  std::string name;
  std::string_view command;
  QString file;
  QString variable;
  std::string expected;
};
void PrintTo(const VariableCase& c, std::ostream* os) { *os << c.name; }
const std::vector<VariableCase> kVariableCases = {
    {"Asp", ids::kAspVariables, "aspvars.qdf", "REMOTE_ADDR", R"(<%= Request.ServerVariables("REMOTE_ADDR") %>)"},
    {"ColdFusion", ids::kColdFusionVariables, "cfmvars.qdf", "HTTP_USER_AGENT", "#CGI.HTTP_USER_AGENT#"},
    {"Ssi", ids::kSsiVariables, "ssivars.qdf", "DOCUMENT_NAME", R"(<!--#ECHO VAR="DOCUMENT_NAME" -->)"},
    {"Php", ids::kPhpVariables, "phpvars.qdf", "_SERVER['PHP_SELF']", "<?php echo $_SERVER['PHP_SELF']; ?>"},
};
class ServerVariables : public Modeless, public ::testing::WithParamInterface<VariableCase> {};
TEST_P(ServerVariables, LoadThePlatformsListAndWriteItsSyntax) {
  const VariableCase& c = GetParam();
  trigger(c.command);
  ASSERT_TRUE(variables->isVisible());
  EXPECT_EQ(itemTexts(variables->variables()), home.lines("Extensions/" + c.file));
  EXPECT_EQ(variables->variables()->currentText(), "");
  variables->variables()->setCurrentIndex(variables->variables()->findText(c.variable));
  ASSERT_EQ(variables->variables()->currentText(), c.variable);
  host.active = &host.second.document();
  click(variables, "Button1");
  EXPECT_FALSE(variables->isVisible());
  EXPECT_EQ(second(), (Lines{"x" + c.expected + "y"}));
  EXPECT_EQ(first(), (Lines{"ab"}));
}
INSTANTIATE_TEST_SUITE_P(Builders, ServerVariables, ::testing::ValuesIn(kVariableCases),
                         [](const auto& row) { return row.param.name; });

TEST_F(Modeless, PlatformSwitchChangesSyntaxButNotEntriesUntilShownAgain) {
  trigger(ids::kAspVariables);
  const QStringList aspEntries = itemTexts(variables->variables());
  trigger(ids::kSsiVariables);  // while still shown
  EXPECT_EQ(variables->platform(), tags::Platform::Ssi);
  EXPECT_EQ(itemTexts(variables->variables()), aspEntries);
  fill(variables, "EditVars", "DOCUMENT_NAME");
  click(variables, "Button1");
  EXPECT_EQ(first(), (Lines{R"(a<!--#ECHO VAR="DOCUMENT_NAME" -->b)"}));
  trigger(ids::kSsiVariables);
  EXPECT_NE(itemTexts(variables->variables()), aspEntries);
  EXPECT_TRUE(itemTexts(variables->variables()).contains("DATE_LOCAL"));
  click(variables, "Button2");  // Cancel
  EXPECT_FALSE(variables->isVisible());
  EXPECT_EQ(first(), (Lines{R"(a<!--#ECHO VAR="DOCUMENT_NAME" -->b)"}));
}

TEST_F(Modeless, MissingListFileIsReportedAndTheEntriesStay) {
  trigger(ids::kAspVariables);
  const QStringList aspEntries = itemTexts(variables->variables());
  click(variables, "Button2");
  ASSERT_TRUE(QFile::remove(home.file("Extensions/phpvars.qdf")));
  trigger(ids::kPhpVariables);
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_TRUE(prompter.errors[0].startsWith("Cannot open file ")) << prompter.errors[0].toStdString();
  EXPECT_TRUE(prompter.errors[0].endsWith("phpvars.qdf")) << prompter.errors[0].toStdString();
  EXPECT_EQ(itemTexts(variables->variables()), aspEntries);
  fill(variables, "EditVars", "");
  click(variables, "Button1");
  EXPECT_EQ(first(), (Lines{"a<?php echo $; ?>b"}));
}

}  // namespace
}  // namespace markloom::test
