// Every command that prints reports a failure to write its output (a full
// disk, a closed standard output) with exit status 1 and a message, instead
// of claiming success.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "cli_run.h"
#include "temp_home.h"

namespace markloom {
namespace {

TEST(CliOutput, AFullDiskIsAFailure) {
  QTemporaryDir dir;
  const QString page = dir.filePath("page.htm");
  test::writeBytes(page, "<html><font align=x>text</font><a href=\"gone.htm\">gone</a></html>\n");
  const QStringList commands[] = {
      {"validate", page}, {"tokens", page},      {"download-time", page},
      {"compress", page}, {"check-links", page}, {"tidy-config"},
  };
  for (const QStringList& args : commands) {
    SCOPED_TRACE(args.join(' ').toStdString());
    QProcess cli;
    cli.setStandardOutputFile("/dev/full");
    cli.start(test::binDir() + "/markloom-cli", args);
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_TRUE(cli.readAllStandardError().contains("the output could not be written"));
  }
  // Written normally, the same commands succeed (validate and check-links report rows: 1).
  QProcess ok;
  ok.start(test::binDir() + "/markloom-cli", {"tokens", page});
  ASSERT_TRUE(ok.waitForFinished(30000));
  EXPECT_EQ(ok.exitCode(), 0);
}

}  // namespace
}  // namespace markloom
