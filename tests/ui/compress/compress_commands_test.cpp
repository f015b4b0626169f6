// "&Compress Document" on real document windows, with a scripted prompter.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "core/common/command_ids.h"
#include "core/compress/html_compress.h"
#include "core/text/line_list.h"
#include "support/fake_workbench.h"
#include "support/scripted_prompter.h"
#include "support/temp_home.h"
#include "ui/app/main_window.h"
#include "ui/compress/compress_commands.h"
#include "ui/compress/compress_options_dialog.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class CompressCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    w.show();
    group = w.findChild<CompressCommands*>("CompressCommands");
    ASSERT_NE(group, nullptr);
    group->setOptionsChooser([this] { return choice; });
  }
  // Runs the command; the size message, when it comes, is answered with OK.
  void run() {
    prompter.answers.push_back(Prompter::Answer::Ok);
    w.action(ids::kCompressDocument)->trigger();
  }
  static std::string sizeMessage(std::size_t before, std::size_t after) {
    return "Original Size: " + std::to_string(before) + " bytes.\n New Size: " + std::to_string(after) + " bytes.";
  }

  TempHome home;
  ScriptedPrompter prompter;
  MainWindow w;
  CompressCommands* group = nullptr;
  std::optional<CompressOptions> choice = CompressOptions::dialogMarks();
};

const std::string kPage = "<p align=\"center\">\r\n  Hello   world</p>\r\n<pre>\r\n a  b\r\n</pre>\r\n";

TEST_F(CompressCommand, TitledDocumentCompressesTheEditorTextAndLeavesTheFile) {
  home.write("page.htm", QByteArray::fromStdString(kPage));
  DocumentWindow* doc = w.openDocument(home.file("page.htm"));
  doc->document().editorOps().setCaret({0, 0});
  doc->document().editorOps().replaceSelection("<b>unsaved  edit</b>\r\n");
  const std::string before = doc->document().editorOps().text();
  run();
  const std::string expected = compressHtml(before, CompressOptions::dialogMarks());
  EXPECT_EQ(doc->document().editorOps().text(), formatLineList(parseLineList(expected)));
  EXPECT_EQ(bytesOf(home.file("page.htm")).toStdString(), kPage);  // the file changes only on save
  EXPECT_EQ(doc->document().fileName(), home.file("page.htm"));
  EXPECT_TRUE(doc->document().isModified());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text.toStdString(), sizeMessage(before.size(), expected.size()));
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Information);
  EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::Ok);
  EXPECT_TRUE(prompter.errors.isEmpty());

  doc->document().editorOps().undo();  // one step back to the text before the command
  EXPECT_EQ(doc->document().editorOps().text(), before);
}

TEST_F(CompressCommand, UntitledDocumentStaysUntitledAndTheWorkFileHoldsTheResult) {
  DocumentWindow* doc = w.createDocument();
  doc->document().editorOps().setLines(parseLineList(kPage));
  const std::string before = doc->document().editorOps().text();
  run();
  const std::string expected = compressHtml(before, CompressOptions::dialogMarks());
  EXPECT_EQ(doc->document().fileName(), Document::kUntitled);
  EXPECT_EQ(doc->document().editorOps().text(), formatLineList(parseLineList(expected)));
  EXPECT_EQ(bytesOf(home.file("Compr.tmp")).toStdString(), expected);
  // It holds a copy of the user's page: readable by its owner only.
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(home.file("Compr.tmp")).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text.toStdString(), sizeMessage(before.size(), expected.size()));
}

TEST_F(CompressCommand, CancelChangesNothing) {
  DocumentWindow* doc = w.createDocument();
  doc->document().editorOps().setLines(parseLineList(kPage));
  doc->document().setModified(false);
  choice = std::nullopt;
  run();
  EXPECT_EQ(doc->document().editorOps().text(), kPage);
  EXPECT_FALSE(doc->document().isModified());
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_FALSE(QFile::exists(home.file("Compr.tmp")));
}

TEST_F(CompressCommand, WithoutADocumentNothingHappens) {
  run();
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(CompressCommand, AllSwitchesOffReportEqualSizesAndLeaveTheDocumentUnmodified) {
  DocumentWindow* doc = w.createDocument();
  doc->document().editorOps().setLines(parseLineList(kPage));
  doc->document().setModified(false);
  choice = CompressOptions::none();
  run();
  EXPECT_EQ(doc->document().editorOps().text(), kPage);
  EXPECT_FALSE(doc->document().isModified());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text.toStdString(), sizeMessage(kPage.size(), kPage.size()));
}

TEST_F(CompressCommand, EmptyDocumentReportsZeroSizes) {
  DocumentWindow* doc = w.createDocument();
  doc->document().editorOps().setLines({});
  run();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text.toStdString(), sizeMessage(0, 0));
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(CompressCommand, UnwritableWorkFileIsAnErrorAndNeverASuccess) {
  DocumentWindow* doc = w.createDocument();
  doc->document().editorOps().setLines(parseLineList(kPage));
  ASSERT_TRUE(QDir().mkpath(home.file("Compr.tmp")));  // a folder where the work file should go
  run();
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_EQ(prompter.errors[0], "Cannot create file " + home.file("Compr.tmp") + ": Is a directory");
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(doc->document().editorOps().text(), kPage);
}

TEST_F(CompressCommand, TheDialogsMarksAreWhatRuns) {
  DocumentWindow* doc = w.createDocument();
  doc->document().editorOps().setLines(parseLineList("<STRONG>a</STRONG>\r\n<p>b</p>"));
  group->setOptionsChooser({});  // back to the real dialog
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CompressOptionsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QListWidget*>("CheckList")->item(7)->setCheckState(Qt::Checked);  // "Change <b> to <strong> etc."
    dialog->findChild<QPushButton*>("Button1")->click();
  });
  prompter.answers.push_back(Prompter::Answer::Ok);
  group->compressDocument();
  EXPECT_EQ(doc->document().editorOps().text(), "<b>a</b><p>b</p>\r\n");
}

// The command needs no main window: on a bare workbench it acts on that
// workbench's active document and writes its work file where the workbench says.
TEST(CompressOnWorkbench, ActsOnTheActiveDocumentThroughTheWorkbenchsWorkFolder) {
  TempHome home;
  ScriptedPrompter prompter;
  ASSERT_TRUE(QDir().mkpath(home.file("bench")));
  test::FakeWorkbench bench(home.file("bench/"));
  CompressCommands group(bench);
  group.setOptionsChooser([] { return CompressOptions::dialogMarks(); });
  DocumentWindow* other = bench.createDocument();
  other->document().editorOps().setLines(parseLineList("<p>left   alone</p>\r\n"));
  DocumentWindow* doc = bench.createDocument();
  doc->document().editorOps().setLines(parseLineList(kPage));
  bench.activateDocument(doc);

  prompter.answers.push_back(Prompter::Answer::Ok);
  bench.action(ids::kCompressDocument)->trigger();
  const std::string expected = compressHtml(kPage, CompressOptions::dialogMarks());
  EXPECT_EQ(doc->document().editorOps().text(), formatLineList(parseLineList(expected)));
  EXPECT_EQ(other->document().editorOps().text(), "<p>left   alone</p>\r\n");
  EXPECT_EQ(bytesOf(home.file("bench/Compr.tmp")).toStdString(), expected);
  EXPECT_FALSE(QFile::exists(home.file("Compr.tmp")));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text.toStdString(), "Original Size: " + std::to_string(kPage.size()) +
                                                         " bytes.\n New Size: " + std::to_string(expected.size()) +
                                                         " bytes.");
  EXPECT_TRUE(bench.statusTexts.isEmpty());
  EXPECT_TRUE(bench.shownTabs.empty());
}

}  // namespace
}  // namespace markloom
