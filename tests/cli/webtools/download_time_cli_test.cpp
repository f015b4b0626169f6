#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "cli_run.h"

namespace markloom {
namespace {

using test::runCli;

// The expected output for a page of `bytes` as saved, from the figures the
// dialog shows.
QByteArray expected(const char* size, const std::array<const char*, 6>& times) {
  const char* labels[] = {" 9.6 k Modem",  " 14.4 k Modem", " 28.8 k Modem",
                          " 56.6 k Modem", " ISDN Modem",   " ISDN Modem x2"};
  QByteArray out = QByteArray(size) + "\n";
  for (int i = 0; i < 6; ++i) out += QByteArray(labels[i]) + "\t" + times[static_cast<std::size_t>(i)] + "\n";
  return out;
}

TEST(DownloadTimeCli, FiguresOfTheFileAsTheEditorWouldSaveIt) {
  QTemporaryDir dir;
  struct Case {
    const char* what;
    QByteArray bytes;
    QByteArray out;
  };
  const std::array<const char*, 6> zero = {"0.00 Secs", "0.00 Secs", "0.00 Secs",
                                           "0.00 Secs", "0.00 Secs", "0.00 Secs"};
  const std::array<const char*, 6> oneKb = {"0.85 Secs", "0.57 Secs", "0.28 Secs",
                                            "0.15 Secs", "0.13 Secs", "0.06 Secs"};
  const std::array<const char*, 6> tenKb = {"8.53 Secs", "5.69 Secs", "2.84 Secs",
                                            "1.46 Secs", "1.28 Secs", "0.60 Secs"};
  // 10 lines of 1022 bytes: 10240 bytes once each ends in CR LF, whatever the file uses.
  const QByteArray line(1022, 'x');
  const Case cases[] = {
      {"empty", "", expected("00", zero)},
      {"one line of 1022 characters without a line end", line, expected("01", oneKb)},
      {"CR LF", (line + "\r\n").repeated(10), expected("10", tenKb)},
      {"LF only", (line + "\n").repeated(10), expected("10", tenKb)},
      {"CR only", (line + "\r").repeated(10), expected("10", tenKb)},
      {"last line without a line end", (line + "\n").repeated(9) + line, expected("10", tenKb)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString file = dir.filePath("page.htm");
    test::writeBytes(file, c.bytes);
    const auto run = runCli({"download-time", file});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, c.out);
  }
}

TEST(DownloadTimeCli, UnreadableFileAndWrongArguments) {
  QTemporaryDir dir;
  const QString missing = dir.filePath("missing.htm");
  auto run = runCli({"download-time", missing});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "Cannot open file " + missing.toLocal8Bit() + "\n");
  EXPECT_TRUE(run.out.isEmpty());
  run = runCli({"download-time"});
  EXPECT_EQ(run.exitCode, 2);
}

}  // namespace
}  // namespace markloom
