// The inbound text channel, with the sender a real second process.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QProcess>

#include "platform/ipc/channel_place.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

class InboundChannelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("MARKLOOM_PLUG_NAME",
             QString("markloom-test-plug-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial).toLocal8Bit());
    channel = inboundChannelPlace().path;
    ASSERT_FALSE(channel.isEmpty()) << inboundChannelPlace().error.toStdString();
  }
  void TearDown() override { qunsetenv("MARKLOOM_PLUG_NAME"); }

  // Runs markloom-cli send-lines with input while this process keeps serving
  // events; returns its exit code (-1 when it did not finish in time).
  int send(const QByteArray& input, QByteArray* errorText = nullptr) {
    QProcess cli;
    cli.start(test::binDir() + "/markloom-cli", {"send-lines"});
    if (!cli.waitForStarted(10000)) return -1;
    cli.write(input);
    cli.closeWriteChannel();
    QElapsedTimer clock;
    clock.start();
    while (cli.state() != QProcess::NotRunning && clock.elapsed() < 15000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      cli.waitForFinished(10);
    }
    // Let the window handle the message that arrived with the disconnect.
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (errorText) *errorText = cli.readAllStandardError();
    return cli.state() == QProcess::NotRunning ? cli.exitCode() : -1;
  }

  static inline int serial = 0;
  QString channel;
  TempHome home;
  ScriptedPrompter prompter;
};

TEST_F(InboundChannelTest, LinesFromAnotherProcessLandAtTheCaretOfTheActiveDocument) {
  MainWindow w;
  w.show();
  DocumentWindow* doc = w.createDocument();
  ASSERT_NE(doc, nullptr);
  EditorOps& ops = doc->document().editorOps();
  ops.setLines({"first", "second"});
  ops.setCaret({1, 0});
  ASSERT_EQ(send("alpha\r\nbeta\r\n"), 0);
  const auto lines = ops.lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "first");
  EXPECT_EQ(lines[1], "alpha");
  EXPECT_EQ(lines[2], "beta");
  EXPECT_EQ(lines.back(), "second");
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(InboundChannelTest, EightBitBytesArriveUnchanged) {
  MainWindow w;
  w.show();
  DocumentWindow* doc = w.createDocument();
  ASSERT_NE(doc, nullptr);
  EditorOps& ops = doc->document().editorOps();
  ops.setLines({"end"});
  ops.setCaret({0, 0});
  ASSERT_EQ(send("caf\xe9 \x93quoted\x94\n"), 0);
  const auto lines = ops.lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "caf\xe9 \x93quoted\x94");
  EXPECT_EQ(lines.back(), "end");
}

TEST_F(InboundChannelTest, WithNoDocumentOpenTheTextIsNotTakenAndTheSenderSaysSo) {
  MainWindow w;
  w.show();
  QByteArray error;
  ASSERT_EQ(send("ignored\n", &error), 1);
  EXPECT_EQ(error, "markloom-cli: no document is open in the editor\n");
  EXPECT_EQ(w.inboundText()->toPlainText(), "ignored\n");
  EXPECT_EQ(w.activeDocument(), nullptr);
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(InboundChannelTest, LargeTextStreamsThroughInPieces) {
  MainWindow w;
  w.show();
  DocumentWindow* doc = w.createDocument();
  EditorOps& ops = doc->document().editorOps();
  ops.setLines({});
  QByteArray input;
  for (int i = 0; i < 300000; ++i) input += "line " + QByteArray::number(i) + "\n";  // about 3.5 MB
  ASSERT_EQ(send(input), 0);
  const auto lines = ops.lines();
  ASSERT_GE(lines.size(), 300000u);
  EXPECT_EQ(lines[0], "line 0");
  EXPECT_EQ(lines[299999], "line 299999");
}

TEST_F(InboundChannelTest, PlainTextWithoutAFrameStillArrives) {
  MainWindow w;
  w.show();
  DocumentWindow* doc = w.createDocument();
  EditorOps& ops = doc->document().editorOps();
  ops.setLines({"end"});
  ops.setCaret({0, 0});
  QLocalSocket socket;
  socket.connectToServer(channel);
  ASSERT_TRUE(socket.waitForConnected(5000));
  socket.write("raw one\nraw two\n");
  ASSERT_TRUE(socket.waitForBytesWritten(5000));
  socket.disconnectFromServer();
  for (int i = 0; i < 50 && ops.lines().size() < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  const auto lines = ops.lines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "raw one");
  EXPECT_EQ(lines[1], "raw two");
}

TEST_F(InboundChannelTest, SenderReportsWhenNoEditorListens) {
  QByteArray error;
  EXPECT_EQ(send("nobody\n", &error), 1);
  EXPECT_TRUE(error.contains("no editor is running")) << error.toStdString();
}

}  // namespace
}  // namespace markloom
