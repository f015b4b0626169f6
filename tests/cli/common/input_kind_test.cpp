// Every command that reads a page refuses a FIFO, a device or a folder at
// once, saying why, instead of waiting on it for good.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "cli_run.h"

namespace markloom {
namespace {

TEST(CliInput, AnythingButAPlainFileIsRefusedWithoutWaiting) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath("pipe.htm");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QDir().mkpath(dir.filePath("folder.htm"));
  const struct {
    QString path;
    QString reason;
  } inputs[] = {
      {fifo, "not a regular file (a FIFO)"},
      {"/dev/zero", "not a regular file (a character device)"},
      {dir.filePath("folder.htm"), "it is a folder"},
  };
  for (const char* command : {"validate", "tokens", "download-time", "compress", "check-links", "wml-layout"}) {
    for (const auto& input : inputs) {
      SCOPED_TRACE(std::string(command) + " " + input.path.toStdString());
      const test::CliRun run = test::runCli({command, input.path}, {}, 20000);
      EXPECT_GT(run.exitCode, 0);  // -1: it did not finish
      EXPECT_TRUE(run.err.contains(("Cannot open file " + input.path + ": " + input.reason).toUtf8()))
          << run.err.toStdString();
    }
  }
}

}  // namespace
}  // namespace markloom
