// The Tidy menu's tidy commands on real document windows, running the
// installed tidy (or a stand-in put into the Extensions folder).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include "core/common/command_ids.h"
#include "core/settings/settings_table.h"
#include "core/text/line_list.h"
#include "platform/settings/ini_settings_store.h"
#include "support/fake_workbench.h"
#include "support/scripted_prompter.h"
#include "support/temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"
#include "ui/tidy/tidy_commands.h"
#include "ui/tidy/tidy_options_dialog.h"
#include "ui/workbench/results_panel.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

const QString kFormatDone =
    "HTML Format Complete.\nWhen you click OK the document will be updated.\nafter three seconds.";
const QString kFixDone = "HTML Format and Fix has been completed.\nTo undo any changes, close the file without saving.";

const std::string kOldPage =
    "<html>\r\n<head><title>Old page</title></head>\r\n<body bgcolor=\"#ffffff\">\r\n"
    "<center><font color=\"red\" size=\"4\">Welcome</font></center>\r\n"
    "<p>one<p>two\r\n<img src=\"a.gif\">\r\n<ul><li>first<li>second</ul>\r\n</body>\r\n</html>\r\n";

// A stand-in tool: writes its result into the work file, its last argument.
const QByteArray kTidiedAfterASecond = "sleep 1\nfor f; do :; done\nprintf '<p>tidied</p>\\n' > \"$f\"\n";

class TidyCommandRun : public ::testing::Test {
 protected:
  void SetUp() override {
    w.show();
    group = w.findChild<TidyCommands*>("TidyCommands");
    ASSERT_NE(group, nullptr);
    group->setOptionsChooser([this] { return options; });
  }
  DocumentWindow* page(const std::string& text) {
    DocumentWindow* doc = w.createDocument();
    doc->document().editorOps().setLines(parseLineList(text));
    doc->document().setModified(false);
    return doc;
  }
  // Triggers the command and waits for the run to end; false when it never did.
  bool run(std::string_view id) {
    QSignalSpy ended(group, &TidyCommands::runEnded);
    w.action(id)->trigger();
    return !ended.isEmpty() || ended.wait(60000);
  }
  QStringList tidyTab() const {
    QStringList lines;
    for (int i = 0; i < w.tidyList()->count(); ++i) lines << w.tidyList()->item(i)->text();
    return lines;
  }
  void setTimeLimit(const char* seconds) {
    IniSettingsStore().write("Tidy", "Time Limit", seconds);
    w.loadSettings();
  }
  void putStandIn(const QByteArray& script) {
    home.write("Extensions/tidy", "#!/bin/sh\n" + script);
    QFile::setPermissions(home.file("Extensions/tidy"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  static std::string text(DocumentWindow* doc) { return doc->document().editorOps().text(); }

  TempHome home;
  ScriptedPrompter prompter;
  MainWindow w;
  TidyCommands* group = nullptr;
  std::optional<TidyOptions> options = TidyOptions{};
};

struct CommandCase {
  const char* name;
  std::string_view id;
  std::vector<std::string> present;  // in the reloaded text
  std::vector<std::string> absent;
  QString done;
  QStringList tabHas;  // lines the Tidy tab must show besides the log's
};

std::ostream& operator<<(std::ostream& os, const CommandCase& c) { return os << c.name; }

class EachCommand : public TidyCommandRun, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(EachCommand, ReloadsTidysResultAndListsItsLog) {
  const CommandCase& c = GetParam();
  DocumentWindow* doc = page(kOldPage);
  prompter.answers.push_back(Prompter::Answer::Ok);
  ASSERT_TRUE(run(c.id));
  const std::string result = text(doc);
  for (const std::string& s : c.present) EXPECT_NE(result.find(s), std::string::npos) << s << "\n" << result;
  for (const std::string& s : c.absent) EXPECT_EQ(result.find(s), std::string::npos) << s << "\n" << result;
  EXPECT_TRUE(doc->document().isModified());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, c.done);
  EXPECT_TRUE(prompter.errors.isEmpty());

  // The Tidy tab: this run's log, then what tidy said on standard error.
  QStringList log = QString::fromUtf8(home.read("Extensions/error.log")).split('\n');
  log.removeLast();  // what follows the last line end
  ASSERT_FALSE(log.isEmpty());
  EXPECT_TRUE(log.contains("line 1 column 1 - Warning: missing <!DOCTYPE> declaration"))
      << log.join('\n').toStdString();
  EXPECT_EQ(tidyTab().mid(0, log.size()), log);
  EXPECT_EQ(tidyTab().mid(log.size()), c.tabHas);
  EXPECT_TRUE(w.resultsPanel()->isVisible());
  EXPECT_EQ(w.resultsPanel()->tabs()->currentIndex(), static_cast<int>(MainWindow::ResultsTab::Tidy));
  EXPECT_EQ(w.statusText(2), "Ready");

  doc->document().editorOps().undo();  // one step back
  EXPECT_EQ(text(doc), kOldPage);
}

const CommandCase kCommandCases[] = {
    {"FormatHtml",
     ids::kFormatHtml,
     {"<!DOCTYPE html>\r\n<html>\r\n<head>\r\n  <title>Old page</title>", "    <li>first</li>\r\n", "<font"},
     {"<HTML", "<style"},
     kFormatDone,
     {}},
    {"FixAndFormatHtml",
     ids::kFixAndFormatHtml,
     {"<HTML>\r\n", "<BODY", "alt=\"Image\"", "\r\n     <HEAD>"},
     {"<html>"},
     kFixDone,
     {}},  // every option of the generated configuration is one tidy knows
    {"UpgradeToStyleSheets",
     ids::kUpgradeToStyleSheets,
     {"<style type=\"text/css\">", "background-color: #FFFFFF"},
     {"<center>", "bgcolor"},
     kFormatDone,
     {}},
    {"UpgradeToXml",
     ids::kUpgradeToXml,
     {"<?xml version=\"1.0\"", "<img src=\"a.gif\" />"},
     {"<!DOCTYPE"},
     kFormatDone,
     {}},
    {"UpgradeToXhtml",
     ids::kUpgradeToXhtml,
     {"XHTML 1.0 Transitional//EN", "<html xmlns=\"http://www.w3.org/1999/xhtml\">", "<img src=\"a.gif\" />"},
     {},
     kFormatDone,
     {}},
};

INSTANTIATE_TEST_SUITE_P(Commands, EachCommand, ::testing::ValuesIn(kCommandCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(TidyCommandRun, ServerSideCodeInAttributesComesBackByteForByte) {
  const std::vector<std::string> blocks = {
      "<?php echo htmlspecialchars($url); ?>", "<?php if ($checked) { echo 'checked=\"checked\"'; } ?>",
      "<?= $row['name'] ?>", "<% If x > 1 Then Response.Write(\"<b>\") %>", "<%= alt %>"};
  const std::string php = "<html><head><title>p</title></head><body>\r\n<a href=\"" + blocks[0] +
                          "\">go</a>\r\n<input type=\"checkbox\" " + blocks[1] + ">\r\n<p>" + blocks[2] + " " +
                          blocks[3] + "</p>\r\n<img src=\"x.gif\" alt=\"" + blocks[4] + "\">\r\n</body></html>\r\n";
  DocumentWindow* doc = page(php);
  prompter.answers.push_back(Prompter::Answer::Ok);
  ASSERT_TRUE(run(ids::kFormatHtml));
  const std::string result = text(doc);
  for (const std::string& b : blocks) EXPECT_NE(result.find(b), std::string::npos) << b << "\n" << result;
  EXPECT_NE(result.find("<a href=\"" + blocks[0] + "\">go</a>"), std::string::npos) << result;
  EXPECT_EQ(result.find("mklmsrv"), std::string::npos);
  // The log speaks of the blocks, not of their placeholders.
  const QStringList tab = tidyTab();
  EXPECT_FALSE(tab.join('\n').contains("mklmsrv", Qt::CaseInsensitive)) << tab.join('\n').toStdString();
  EXPECT_TRUE(tab.join('\n').contains(QString::fromStdString("proprietary attribute \"" + blocks[1] + "\"")))
      << tab.join('\n').toStdString();
}

TEST_F(TidyCommandRun, APageWhoseBlockNamesATagIsRefusedAndLeftAlone) {
  DocumentWindow* doc = page("<p>\r\n<<?= $tag ?>>x</<?= $tag ?>>\r\n");
  w.action(ids::kFormatHtml)->trigger();
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_EQ(prompter.errors[0],
            "The server-side block on line 2 names a tag. Tidy cannot keep it, so the document was not changed.");
  EXPECT_FALSE(group->running());
  EXPECT_EQ(text(doc), "<p>\r\n<<?= $tag ?>>x</<?= $tag ?>>\r\n");
}

TEST_F(TidyCommandRun, WhileTidyRunsTheStatusSaysWaitAndTheCommandsRest) {
  putStandIn("sleep 1\nexit 0\n");
  DocumentWindow* doc = page(kOldPage);
  QSignalSpy ended(group, &TidyCommands::runEnded);
  prompter.answers.push_back(Prompter::Answer::Ok);
  w.action(ids::kFormatHtml)->trigger();
  EXPECT_TRUE(group->running());
  EXPECT_EQ(w.statusText(2), "Wait...");
  EXPECT_FALSE(w.action(ids::kUpgradeToXml)->isEnabled());
  ASSERT_TRUE(ended.wait(60000));
  EXPECT_EQ(w.statusText(2), "Ready");
  EXPECT_TRUE(w.action(ids::kUpgradeToXml)->isEnabled());
  // The stand-in left the work file as written: the text is the same, one undo step.
  EXPECT_EQ(text(doc), kOldPage);
}

TEST_F(TidyCommandRun, AToolPastItsTimeLimitIsStoppedAndNothingIsLoaded) {
  setTimeLimit("1");
  prompter.answers.push_back(Prompter::Answer::Ok);
  putStandIn("for f; do :; done\necho '<p>late</p>' > \"$f\"\nexec sleep 30\n");
  DocumentWindow* doc = page(kOldPage);
  ASSERT_TRUE(run(ids::kFormatHtml));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Tidy did not finish within 1 second and was stopped. The document was not changed.");
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Warning);
  EXPECT_EQ(text(doc), kOldPage);
  EXPECT_FALSE(doc->document().isModified());
  EXPECT_EQ(w.statusText(2), "Ready");
}

TEST_F(TidyCommandRun, NoToolAtAllIsReportedByName) {
  QTemporaryDir emptyPath;
  const QByteArray oldPath = qgetenv("PATH");
  qputenv("PATH", emptyPath.path().toLocal8Bit());
  DocumentWindow* doc = page(kOldPage);
  prompter.answers.push_back(Prompter::Answer::Ok);
  const bool ended = run(ids::kFormatHtml);
  qputenv("PATH", oldPath);
  ASSERT_TRUE(ended);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "The tidy program could not be started. Install the tidy package, or put a tidy program into the "
            "Extensions folder.");
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Error);
  EXPECT_EQ(text(doc), kOldPage);
  EXPECT_FALSE(doc->document().isModified());
  EXPECT_EQ(w.statusText(2), "Ready");
}

TEST_F(TidyCommandRun, ErrorsLeaveTheDocumentAloneAndShowTheLog) {
  const std::string broken = "<html><body><p>x</p><foo></bar></body></html>\r\n";
  DocumentWindow* doc = page(broken);
  prompter.answers.push_back(Prompter::Answer::Ok);
  ASSERT_TRUE(run(ids::kFormatHtml));
  EXPECT_EQ(text(doc), broken);
  EXPECT_FALSE(doc->document().isModified());
  EXPECT_TRUE(tidyTab().contains("line 1 column 21 - Error: <foo> is not recognized!"))
      << tidyTab().join('\n').toStdString();
  EXPECT_TRUE(w.resultsPanel()->isVisible());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Tidy found errors it could not fix, so the document was not changed. They are listed in the Tidy tab.");
}

TEST_F(TidyCommandRun, TheResultGoesToTheDocumentTheCommandRanOn) {
  putStandIn(kTidiedAfterASecond);
  DocumentWindow* first = page("<p>first</p>\r\n");
  prompter.answers.push_back(Prompter::Answer::Ok);
  QSignalSpy ended(group, &TidyCommands::runEnded);
  w.action(ids::kFormatHtml)->trigger();
  DocumentWindow* second = page("<p>second</p>\r\n");  // now the active one
  ASSERT_EQ(w.activeDocument(), second);
  ASSERT_TRUE(ended.wait(60000));
  EXPECT_EQ(text(first), "<p>tidied</p>\r\n");
  EXPECT_TRUE(first->document().isModified());
  EXPECT_EQ(text(second), "<p>second</p>\r\n");
  EXPECT_FALSE(second->document().isModified());
}

TEST_F(TidyCommandRun, EditsMadeDuringTheRunAreKeptWhenTheUserSaysNo) {
  putStandIn(kTidiedAfterASecond);
  DocumentWindow* doc = page("<p>before</p>\r\n");
  prompter.answers = {Prompter::Answer::Ok, Prompter::Answer::No};
  QSignalSpy ended(group, &TidyCommands::runEnded);
  w.action(ids::kFormatHtml)->trigger();
  doc->document().editorOps().setLines({"<p>typed meanwhile</p>"});
  ASSERT_TRUE(ended.wait(60000));
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[1].text, "The document was changed while tidy ran. Replace it with tidy's result?");
  EXPECT_EQ(text(doc), "<p>typed meanwhile</p>\r\n");
}

TEST_F(TidyCommandRun, EightBitTextAndLfLineEndsSurvive) {
  home.write("old.htm", "<html><head><title>caf\xe9</title></head><body><p>\x80 5 &alpha;</p></body></html>\n");
  DocumentWindow* doc = w.openDocument(home.file("old.htm"));
  ASSERT_EQ(doc->document().codec().encoding(), TextEncoding::EightBit);
  prompter.answers.push_back(Prompter::Answer::Ok);
  ASSERT_TRUE(run(ids::kFormatHtml));
  const std::string result = text(doc);
  EXPECT_NE(result.find("<title>caf\xe9</title>"), std::string::npos) << result;
  // The euro sign comes back as tidy names it, the alpha as written.
  EXPECT_NE(result.find("<p>&euro; 5 &alpha;</p>"), std::string::npos) << result;
  EXPECT_EQ(doc->document().lineEnd(), LineEnd::Lf);
  doc->document().save();
  const QByteArray saved = home.read("old.htm");
  EXPECT_FALSE(saved.contains('\r'));
  EXPECT_TRUE(saved.contains("caf\xe9"));
}

TEST_F(TidyCommandRun, CancelInTheOptionsDialogRunsNothing) {
  options = std::nullopt;
  DocumentWindow* doc = page(kOldPage);
  w.action(ids::kFixAndFormatHtml)->trigger();
  EXPECT_FALSE(group->running());
  EXPECT_EQ(text(doc), kOldPage);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_FALSE(QFile::exists(home.file("Extensions/qdtidyformatx.qdf")));
}

TEST_F(TidyCommandRun, FixWritesTheConfigurationWithTheStoredTagSettings) {
  IniSettingsStore().write("Tidy", "Empty Tags", "wbr2");
  w.loadSettings();
  options->output = "XHTML";
  DocumentWindow* doc = page("<p>a<wbr2>b</p>\r\n");
  prompter.answers.push_back(Prompter::Answer::Ok);
  ASSERT_TRUE(run(ids::kFixAndFormatHtml));
  const QByteArray config = home.read("Extensions/qdtidyformatx.qdf");
  EXPECT_TRUE(config.startsWith("write-back: yes\r\ntidy-mark: no\r\noutput-xhtml: yes\r\n"));
  EXPECT_TRUE(config.endsWith("error-file: error.log\r\nnew-empty-tags: wbr2\r\n"));
  EXPECT_NE(text(doc).find("<wbr2 />"), std::string::npos) << text(doc);
}

TEST_F(TidyCommandRun, TheDialogsFieldsAreWhatRunsAndEachRunStartsFromTheStartValues) {
  group->setOptionsChooser({});  // the real dialog
  DocumentWindow* doc = page("<P>a</P>\r\n");
  QList<bool> uppercaseAtStart;
  auto answerDialog = [&uppercaseAtStart] {
    auto* dialog = qobject_cast<TidyOptionsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* item = dialog->findChild<QListWidget*>("CheckList")->item(10);  // "Output Uppercase Tags"
    uppercaseAtStart << (item->checkState() == Qt::Checked);
    item->setCheckState(Qt::Unchecked);
    dialog->findChild<QPushButton*>("Button1")->click();
  };
  for (int run = 0; run < 2; ++run) {
    QTimer::singleShot(0, &w, answerDialog);
    prompter.answers.push_back(Prompter::Answer::Ok);
    ASSERT_TRUE(this->run(ids::kFixAndFormatHtml));
  }
  EXPECT_EQ(uppercaseAtStart, (QList<bool>{true, true}));
  EXPECT_TRUE(home.read("Extensions/qdtidyformatx.qdf").contains("\r\nuppercase-tags: no\r\n"));
  EXPECT_NE(text(doc).find("<p>"), std::string::npos) << text(doc);
  EXPECT_EQ(text(doc).find("<P>"), std::string::npos) << text(doc);
}

// The commands need no main window: on a bare workbench the run reads the
// workbench's settings, says "Wait..." then "Ready" in its status line, and
// fills and shows the Tidy tab of its Results panel.
TEST(TidyOnWorkbench, ReportsThroughTheWorkbenchsStatusLineAndResultsPanel) {
  TempHome home;
  ScriptedPrompter prompter;
  home.write("Extensions/tidy",
             "#!/bin/sh\nfor f; do :; done\nprintf '<p>tidied</p>\\n' > \"$f\"\necho 'a note on standard error' >&2\n");
  QFile::setPermissions(home.file("Extensions/tidy"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  test::FakeWorkbench bench(home.path());
  bench.storedSettings().set(kTidyTimeLimit, "7");
  TidyCommands group(bench);
  EXPECT_EQ(group.timeLimitSeconds(), 7);
  DocumentWindow* doc = bench.createDocument();
  doc->document().editorOps().setLines(parseLineList("<p>plain</p>\r\n"));

  QSignalSpy ended(&group, &TidyCommands::runEnded);
  prompter.answers.push_back(Prompter::Answer::Ok);
  bench.action(ids::kFormatHtml)->trigger();
  EXPECT_EQ(bench.statusTexts, QStringList({"Wait..."}));
  EXPECT_FALSE(bench.action(ids::kUpgradeToXml)->isEnabled());
  ASSERT_TRUE(ended.wait(60000));

  EXPECT_EQ(bench.statusTexts, QStringList({"Wait...", "Ready"}));
  EXPECT_TRUE(bench.action(ids::kUpgradeToXml)->isEnabled());
  EXPECT_EQ(bench.shownTabs, std::vector<ResultsTab>({ResultsTab::Tidy}));
  QListWidget* tab = bench.resultsPanel()->tidy();
  ASSERT_GT(tab->count(), 0);
  EXPECT_EQ(tab->item(tab->count() - 1)->text(), "a note on standard error");
  EXPECT_EQ(bench.resultsPanel()->tabs()->currentIndex(), static_cast<int>(ResultsTab::Tidy));
  EXPECT_EQ(doc->document().editorOps().text(), "<p>tidied</p>\r\n");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "Tarnwell Markloom 5.0");
  EXPECT_EQ(prompter.messages[0].text, kFormatDone);
}

TEST_F(TidyCommandRun, WithoutADocumentNothingHappens) {
  w.action(ids::kFormatHtml)->trigger();
  w.action(ids::kFixAndFormatHtml)->trigger();
  EXPECT_FALSE(group->running());
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(w.statusText(2), "Ready");
}

}  // namespace
}  // namespace markloom
