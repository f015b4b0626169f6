#include "ui/preview/preview_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "core/common/command_ids.h"
#include "core/document/editor_ops.h"
#include "core/settings/settings_schema.h"
#include "platform/settings/ini_settings_store.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

void storeValue(const std::string& key, const std::string& name, const std::string& text) {
  IniSettingsStore store;
  store.write(key, name, text);
  store.sync();
}

// A stand-in program that writes its argument count, its arguments (one per
// line) and its working folder to record.
void writeRecorder(const QString& program, const QString& record) {
  QFile f(program);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QString("#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; pwd; } > '%1.part'\n"
                  "mv '%1.part' '%1'\n")
              .arg(record)
              .toLocal8Bit());
  f.close();
  f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The record of a started stand-in, once it has run; empty after 10 s.
QStringList waitForRecord(const QString& record) {
  QDeadlineTimer deadline(10000);
  while (!QFileInfo::exists(record) && !deadline.hasExpired()) QThread::msleep(20);
  QFile f(record);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromLocal8Bit(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

class PreviewCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    browser = home.file("my browser");
    record = home.file("browser.record");
    writeRecorder(browser, record);
    {
      IniSettingsStore store;  // a first run's defaults, so document windows open
      writeInstallationDefaults(store);
      store.sync();
    }
    storeValue("Programs", "Browser 2", browser.toStdString());
    storeValue("Programs", "Browser 2 Title", "Falcon");
    window.show();
  }
  PreviewCommands& commands() { return *window.findChild<PreviewCommands*>("PreviewCommands"); }
  void triggerBrowser2() { window.action(ids::kPreviewInBrowser[1])->trigger(); }

  TempHome home;
  ScriptedPrompter prompter;
  QString browser;
  QString record;
  MainWindow window;
};

TEST_F(PreviewCommandsTest, TitledDocumentGoesAsItsSavedFileInOneArgument) {
  const QString page = home.file("a page with blanks.htm");
  home.write("a page with blanks.htm", "<p>saved</p>\n");
  DocumentWindow* doc = window.openDocument(page);
  ASSERT_NE(doc, nullptr);
  doc->document().editorOps().setLines({"<p>unsaved edit</p>"});

  ASSERT_TRUE(window.action(ids::kPreviewInBrowser[1])->isEnabled());
  triggerBrowser2();

  const QStringList got = waitForRecord(record);
  ASSERT_EQ(got.size(), 3);
  EXPECT_EQ(got[0], "1");
  EXPECT_EQ(got[1], page);
  EXPECT_EQ(QDir(got[2]).canonicalPath(), QDir(home.path()).canonicalPath());  // the program folder
  EXPECT_EQ(home.read("a page with blanks.htm"), "<p>saved</p>\n");
  EXPECT_FALSE(QFileInfo::exists(home.file(PreviewCommands::kPreviewFile)));
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

TEST_F(PreviewCommandsTest, UntitledDocumentIsWrittenToTheWorkFileEachTime) {
  DocumentWindow* doc = window.createDocument();
  const QString work = home.file(PreviewCommands::kPreviewFile);
  const std::vector<std::vector<std::string>> texts = {{"first", "second"}, {"third", "fourth"}};
  for (const auto& lines : texts) {
    QFile::remove(record);
    doc->document().editorOps().setLines(lines);
    triggerBrowser2();
    const QStringList got = waitForRecord(record);
    ASSERT_EQ(got.size(), 3);
    EXPECT_EQ(got[1], work);
  }
  EXPECT_EQ(home.read(PreviewCommands::kPreviewFile), "third\r\nfourth\r\n");
  EXPECT_EQ(QFileInfo(work).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
}

TEST_F(PreviewCommandsTest, MissingBrowserIsReportedWithItsTitle) {
  window.createDocument();
  QFile::remove(browser);
  triggerBrowser2();
  ASSERT_EQ(prompter.errors.size(), 1) << prompter.errors.join("\n").toStdString();
  EXPECT_EQ(prompter.errors[0], "There has been a mistake made in the file path to Falcon in the Registry.");
}

TEST_F(PreviewCommandsTest, NothingHappensWithoutADocument) {
  triggerBrowser2();
  QThread::msleep(300);  // a browser started by mistake would have written its record by now
  EXPECT_FALSE(QFileInfo::exists(record));
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(PreviewCommandsTest, CompanionProgramsStartFromTheProgramFolderWithoutTheDocument) {
  window.createDocument();
  struct Case {
    std::string_view command;
    QString program;  // empty: none installed
    QString message;
  };
  const Case cases[] = {
      {ids::kSheetcraft, "sheetcraft",
       "Sheetcraft could not be found with this installation, you may wish to reinstall the program."},
      {ids::kWysiwygEditor, "vised",
       "WYSIWYG Editor could not be found with this installation, you may wish to reinstall the program."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program.toStdString());
    prompter.errors.clear();
    window.action(c.command)->trigger();
    ASSERT_EQ(prompter.errors.size(), 1);
    EXPECT_EQ(prompter.errors[0], c.message);

    QFile::remove(record);
    writeRecorder(home.file(c.program), record);
    prompter.errors.clear();
    window.action(c.command)->trigger();
    const QStringList got = waitForRecord(record);
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0], "0");
    EXPECT_TRUE(prompter.errors.isEmpty());
  }
}

TEST_F(PreviewCommandsTest, TheChosenVisualEditorComesFirst) {
  const QString chosen = home.file("chosen editor");
  writeRecorder(chosen, record);
  storeValue("Programs", "WYSIWYG Editor", chosen.toStdString());
  window.action(ids::kWysiwygEditor)->trigger();
  EXPECT_EQ(waitForRecord(record).value(0), "0");
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(PreviewCommandsTest, HelpOpensTheStartPageWithTheDefaultHandler) {
  const QString bin = home.file("bin");
  QDir().mkpath(bin);
  writeRecorder(bin + "/xdg-open", record);
  const QByteArray oldPath = qgetenv("PATH");
  qputenv("PATH", bin.toLocal8Bit() + ":" + oldPath);

  QFile::remove(home.file("Help/index.htm"));
  window.action(ids::kContents)->trigger();
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_EQ(prompter.errors[0], "The help file could not be started.  Please reinstall the program.");

  QDir().mkpath(home.file("Help"));
  home.write("Help/index.htm", "<html></html>");
  prompter.errors.clear();
  window.action(ids::kContents)->trigger();
  const QStringList got = waitForRecord(record);
  qputenv("PATH", oldPath);
  ASSERT_EQ(got.size(), 3);
  EXPECT_EQ(got[1], home.file("Help/index.htm"));
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(PreviewCommandsTest, HelpWithoutAnOpenerSaysSoInsteadOfAskingToReinstall) {
  const QString bin = home.file("no-opener");
  QDir().mkpath(bin);
  QDir().mkpath(home.file("Help"));
  home.write("Help/index.htm", "<html></html>");
  const QByteArray oldPath = qgetenv("PATH");
  qputenv("PATH", bin.toLocal8Bit());  // nothing there: no xdg-open
  window.action(ids::kContents)->trigger();
  qputenv("PATH", oldPath);
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_TRUE(prompter.errors[0].startsWith("No program to open the help was found")) << prompter.errors[0].toStdString();
  EXPECT_TRUE(prompter.errors[0].contains(home.file("Help/index.htm")));
  EXPECT_FALSE(prompter.errors[0].contains("reinstall"));
}

}  // namespace
}  // namespace markloom
