// One editor per user: a second start hands its files to the running editor.
// The running editor is this test process; the second start is the real program.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include "platform/editor/markloom_editor.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

struct EditorRun {
  int exitCode = -1;  // -1: did not finish in time
  QByteArray out, err;
};

// Runs the editor program while this process keeps serving events.
EditorRun runEditor(const QStringList& args, const QString& folder, QProcessEnvironment env = {}) {
  QProcess program;
  if (!env.isEmpty()) program.setProcessEnvironment(env);
  program.setWorkingDirectory(folder);
  program.start(test::binDir() + "/markloom", args);
  EditorRun run;
  if (!program.waitForStarted(10000)) return run;
  QElapsedTimer clock;
  clock.start();
  while (program.state() != QProcess::NotRunning && clock.elapsed() < 20000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    program.waitForFinished(10);
  }
  if (program.state() != QProcess::NotRunning) {
    program.kill();
    program.waitForFinished(2000);
    return run;
  }
  run.exitCode = program.exitCode();
  run.out = program.readAllStandardOutput();
  run.err = program.readAllStandardError();
  return run;
}

class SingleInstanceTest : public ::testing::Test {
 protected:
  TempHome home;
  ScriptedPrompter prompter;
};

TEST_F(SingleInstanceTest, ASecondStartHandsItsFilesToTheRunningEditorAndExits) {
  MainWindow w;
  w.show();
  home.write("a.html", "one\r\ntwo\r\nthree\r\n");
  const EditorRun run = runEditor({"a.html", "new page.html", "--line", "1"}, home.path());
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QList<DocumentWindow*> docs = w.documents();
  ASSERT_EQ(docs.size(), 2);
  EXPECT_EQ(docs[0]->document().fileName(), home.file("a.html"));
  EXPECT_EQ(docs[0]->editor()->text(), "one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(docs[1]->document().fileName(), home.file("new page.html"));  // made by the first save
  EXPECT_EQ(w.activeDocument(), docs[1]);

  // Handed over again, an open file's window comes forward with the caret on the line.
  const EditorRun again = runEditor({"--line=3", home.file("a.html")}, "/");
  ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
  ASSERT_EQ(w.documents().size(), 2);
  EXPECT_EQ(w.activeDocument(), docs[0]);
  int line = 0, index = 0;
  docs[0]->editor()->getCursorPosition(&line, &index);
  EXPECT_EQ(line, 2);
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

TEST_F(SingleInstanceTest, NewInstanceRunsOnItsOwn) {
  MainWindow w;
  w.show();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("MARKLOOM_QUIT_WHEN_SHOWN", "1");
  const EditorRun run = runEditor({"--new-instance", "c.html"}, home.path(), env);
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(w.documents().isEmpty());
}

TEST_F(SingleInstanceTest, HelpVersionAndWrongCommandLinesNeedNoDisplay) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_QPA_PLATFORM");
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  const EditorRun help = runEditor({"--help"}, home.path(), env);
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.startsWith("Usage: markloom [OPTION]... [FILE]...\n")) << help.out.toStdString();
  const EditorRun version = runEditor({"--version"}, home.path(), env);
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "markloom 5.0\n");
  // A wrong command line is read before the toolkit would look for a display.
  struct Wrong {
    QStringList args;
    QString error;
  };
  const Wrong wrongs[] = {
      {{"--line", "x", "a.html"}, "markloom: 'x' is not a line number (1 or more)\n"},
      {{"--bogus"}, "markloom: unknown option '--bogus'\n"},
      {{"-platform", "offscreen", "--bogus"}, "markloom: unknown option '--bogus'\n"},
  };
  for (const Wrong& w : wrongs) {
    const EditorRun wrong = runEditor(w.args, home.path(), env);
    EXPECT_EQ(wrong.exitCode, 2) << w.args.join(' ').toStdString();
    EXPECT_EQ(wrong.err, w.error + "Usage: markloom [OPTION]... [FILE]...\n"
                                   "Try 'markloom --help' for more information.\n")
        << wrong.err.toStdString();
  }
  // The toolkit still gets its own options.
  env.insert("MARKLOOM_QUIT_WHEN_SHOWN", "1");
  const EditorRun started = runEditor({"-platform", "offscreen", "--new-instance"}, home.path(), env);
  EXPECT_EQ(started.exitCode, 0) << started.err.toStdString();
}

}  // namespace
}  // namespace markloom
