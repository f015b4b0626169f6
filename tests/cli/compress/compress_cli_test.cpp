// markloom-cli compress, run as a separate process.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "support/cli_run.h"
#include "support/temp_home.h"

namespace markloom::test {
namespace {

CliRun compress(const QStringList& args) { return runCli(QStringList{"compress"} + args); }

class CompressCli : public ::testing::Test {
 protected:
  QString write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.path() + "/" + name;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  QTemporaryDir dir;
};

const QByteArray kPage =
    "<p align=\"center\">\r\n  <STRONG>a</STRONG>   b</p>\r\n<!--webbot bot=\"x\" -->\r\n<BLOCKQUOTE>q</BLOCKQUOTE>";

TEST_F(CompressCli, DefaultsAreTheDialogMarks) {
  const CliRun r = compress({write("in.htm", kPage)});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, QByteArray("<center> <STRONG>a</STRONG> b</center><BLOCKQUOTE>q</BLOCKQUOTE>"));
  EXPECT_EQ(r.err, QByteArray("Original Size: 100 bytes.\nNew Size: 64 bytes.\n"));
}

struct OptionCase {
  const char* name;
  QStringList options;
  QByteArray expected;
};

std::ostream& operator<<(std::ostream& os, const OptionCase& c) { return os << c.name; }

class CompressCliOptions : public CompressCli, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(CompressCliOptions, SwitchesChangeTheResult) {
  const CliRun r = compress(GetParam().options + QStringList{write("in.htm", kPage)});
  EXPECT_EQ(r.exitCode, 0) << r.err.constData();
  EXPECT_EQ(r.out, GetParam().expected);
}

const OptionCase kOptionCases[] = {
    {"AllOff",
     {"--no-returns", "--no-all-returns", "--no-center", "--no-spaces", "--no-quotes", "--no-webbots"},
     kPage},
    {"ShortTagsAndLists", {"--simple-tags", "--blockquote-to-ul"}, "<center> <b>a</b> b</center><ul>q</ul>"},
    {"KeepQuotesAndCentre",
     {"--no-quotes", "--no-center"},
     "<p align=\"center\"> <STRONG>a</STRONG> b</p><BLOCKQUOTE>q</BLOCKQUOTE>"},
    {"WebbotStaysWithoutOption",
     {"--no-webbots", "--no-quotes", "--no-center", "--no-spaces"},
     "<p align=\"center\">  <STRONG>a</STRONG>   b</p><!--webbot bot=\"x\" --><BLOCKQUOTE>q</BLOCKQUOTE>"},
    {"LastSwitchWins",
     {"--no-spaces", "--spaces", "--no-all-returns", "--no-returns", "--no-webbots"},
     "<center>\r\n <STRONG>a</STRONG> b</center>\r\n<!--webbot bot=\"x\" -->\r\n<BLOCKQUOTE>q</BLOCKQUOTE>"},
};

INSTANTIATE_TEST_SUITE_P(Table, CompressCliOptions, ::testing::ValuesIn(kOptionCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(CompressCli, OutputFileIsWrittenAndSizesStillReported) {
  const QString out = dir.path() + "/out.htm";
  write("out.htm", "old contents");
  const CliRun r = compress({write("in.htm", "a  b"), "-o", out});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_EQ(readBytes(out), QByteArray("a b"));
  EXPECT_EQ(r.err, QByteArray("Original Size: 4 bytes.\nNew Size: 3 bytes.\n"));
}

TEST_F(CompressCli, EmptyInputReportsZeroSizes) {
  const CliRun r = compress({write("empty.htm", "")});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_EQ(r.err, QByteArray("Original Size: 0 bytes.\nNew Size: 0 bytes.\n"));
}

TEST_F(CompressCli, UnreadableInputFailsWithMessage) {
  const QString missing = dir.path() + "/missing.htm";
  const CliRun r = compress({missing});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, ("Cannot open file " + missing + "\n").toLocal8Bit());
  EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(CompressCli, UnwritableOutputFailsAndWritesNothing) {
  const QString out = dir.path() + "/no-folder/out.htm";
  const CliRun r = compress({write("in.htm", "a  b"), "-o", out});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, ("Cannot create file " + out + ": No such file or directory\n").toLocal8Bit());
}

TEST_F(CompressCli, BadArgumentsShowUsage) {
  for (const QStringList& args :
       {QStringList{}, QStringList{"--shrink", "x"}, QStringList{"a", "b"}, QStringList{"a", "-o"}}) {
    const CliRun r = compress(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains("usage: markloom-cli compress")) << r.err.constData();
    EXPECT_TRUE(r.out.isEmpty());
  }
}

}  // namespace
}  // namespace markloom::test
