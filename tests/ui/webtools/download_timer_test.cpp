#include "ui/webtools/download_timer_command.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>

#include "core/common/command_ids.h"
#include "core/document/editor_ops.h"
#include "dialog_driver.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"
#include "ui/webtools/download_timer_dialog.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

class DownloadTimerTest : public ::testing::Test {
 protected:
  void SetUp() override { window.show(); }
  // Runs the command and returns the size figure and the first row as shown.
  std::pair<QString, QString> figures() {
    std::pair<QString, QString> shown;
    test::whenModal("TimerForm", [&](QDialog* d) {
      auto* timer = static_cast<DownloadTimerDialog*>(d);
      shown = {timer->sizeFigure(), timer->timeOf(0)};
      EXPECT_EQ(timer->timeOf(5).endsWith(" Secs"), true);
      test::click(d, "OKButton");
    });
    window.action(ids::kDownloadTimer)->trigger();
    return shown;
  }
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow window;
};

TEST_F(DownloadTimerTest, MeasuresTheCurrentTextWithCrLfLineEnds) {
  DocumentWindow* doc = window.createDocument();
  struct Case {
    std::vector<std::string> lines;
    QString size;
    QString first;
  };
  const Case cases[] = {
      {{}, "00", "0.00 Secs"},
      {{std::string(1022, 'x')}, "01", "0.85 Secs"},
      {std::vector<std::string>(10, std::string(1022, 'y')), "10", "8.53 Secs"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size.toStdString());
    doc->document().editorOps().setLines(c.lines);
    EXPECT_EQ(figures(), std::make_pair(c.size, c.first));
  }
  // The work file holds the text as measured, owner-only.
  EXPECT_EQ(QFile(home.file(DownloadTimerCommand::kWorkFile)).size(), 10240);
  EXPECT_EQ(QFile(home.file(DownloadTimerCommand::kWorkFile)).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

TEST_F(DownloadTimerTest, UnsavedEditsCountAndNoDocumentDoesNothing) {
  window.action(ids::kDownloadTimer)->trigger();  // no document: no dialog, nothing asked
  home.write("page.htm", "short\r\n");
  DocumentWindow* doc = window.openDocument(home.file("page.htm"));
  ASSERT_NE(doc, nullptr);
  doc->document().editorOps().setLines({std::string(1022, 'z')});
  EXPECT_EQ(figures().first, "01");
  EXPECT_EQ(home.read("page.htm"), "short\r\n");
}

}  // namespace
}  // namespace markloom
