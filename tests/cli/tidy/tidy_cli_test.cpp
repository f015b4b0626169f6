// markloom-cli tidy and tidy-config, run as separate processes, with the
// installed tidy.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/cli_run.h"
#include "support/temp_home.h"

namespace markloom::test {
namespace {

const QByteArray kStartConfig =
    "write-back: yes\r\ntidy-mark: no\r\nindent-spaces: 5\r\ndoctype: AUTO\r\nmarkup: yes\r\nwrap-asp: yes\r\n"
    "wrap-jste: yes\r\nwrap-php: yes\r\nwrap-attributes: no\r\nindent: yes\r\nfix-backslash: no\r\n"
    "uppercase-tags: yes\r\nuppercase-attributes: no\r\nword-2000: no\r\nclean: yes\r\nclean: yes\r\n"
    "drop-empty-paras: yes\r\nbreak-before-br: yes\r\nfix-bad-comments: yes\r\nomit-optional-tags: no\r\n"
    "input-xml: no\r\nadd-xml-decl: no\r\nadd-xml-decl: no\r\nchar-encoding: ascii\r\nwrap: 72\r\nquiet: yes\r\n"
    "alt-text: Image\r\nerror-file: error.log\r\n";

QByteArray with(QByteArray text, const QByteArray& from, const QByteArray& to) {
  EXPECT_TRUE(text.contains(from)) << from.constData();
  return text.replace(from, to);
}

struct ConfigCase {
  const char* name;
  QStringList options;
  QByteArray expected;
};

std::ostream& operator<<(std::ostream& os, const ConfigCase& c) { return os << c.name; }

class TidyConfigCli : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(TidyConfigCli, PrintsWhatTheDialogWouldWrite) {
  const CliRun r = runCli(QStringList{"tidy-config"} + GetParam().options);
  EXPECT_EQ(r.exitCode, 0) << r.err.constData();
  EXPECT_EQ(r.out, GetParam().expected);
}

const ConfigCase kConfigCases[] = {
    {"StartValues", {}, kStartConfig},
    {"Xhtml", {"--output", "XHTML"}, with(kStartConfig, "tidy-mark: no\r\n", "tidy-mark: no\r\noutput-xhtml: yes\r\n")},
    {"LowerCaseOutput", {"--output", "xml"}, kStartConfig},
    {"NoEncoding", {"--encoding", "none"}, with(kStartConfig, "char-encoding: ascii\r\n", "")},
    {"EncodingByCaption",
     {"--encoding", "Latin-I"},
     with(kStartConfig, "char-encoding: ascii", "char-encoding: latin1")},
    {"CheckItems",
     {"--check", "1=0", "--check", "13=1"},
     with(with(kStartConfig, "wrap-asp: yes\r\nwrap-jste: yes\r\nwrap-php: yes",
               "wrap-asp: no\r\nwrap-jste: no\r\nwrap-php: no"),
          "omit-optional-tags: no", "omit-optional-tags: yes")},
    {"SharedKeys",
     {"--check", "12=0", "--check", "15=1"},
     with(with(kStartConfig, "clean: yes\r\nclean: yes", "clean: no\r\nclean: no"),
          "add-xml-decl: no\r\nadd-xml-decl: no", "add-xml-decl: yes\r\nadd-xml-decl: yes")},
    {"BoxesAsTyped",
     {"--wrap", "x", "--indent", "", "--alt", "pic", "--doctype", "OMIT"},
     with(with(with(with(kStartConfig, "wrap: 72", "wrap: x"), "indent-spaces: 5", "indent-spaces: "),
               "alt-text: Image", "alt-text: pic"),
          "doctype: AUTO", "doctype: OMIT")},
    {"TagSettings",
     {"--pre", "p2", "--inline", "i2", "--block", "b2", "--empty", "e2"},
     kStartConfig + "new-inline-tags: i2\r\nnew-empty-tags: e2\r\nnew-blocklevel-tags: b2\r\nnew-pre-tags: p2\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, TidyConfigCli, ::testing::ValuesIn(kConfigCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(TidyConfigCliErrors, BadOptionsAreUsageErrors) {
  for (const QStringList& bad : {QStringList{"--check", "17=1"}, QStringList{"--check", "3=2"},
                                 QStringList{"--encoding", "ebcdic"}, QStringList{"--wrap"}, QStringList{"--nope"}}) {
    const CliRun r = runCli(QStringList{"tidy-config"} + bad);
    EXPECT_EQ(r.exitCode, 2) << bad.join(' ').toStdString();
    EXPECT_TRUE(r.out.isEmpty());
  }
}

class TidyCli : public ::testing::Test {
 protected:
  QString write(const QString& name, const QByteArray& bytes) {
    writeBytes(dir.path() + "/" + name, bytes);
    return dir.path() + "/" + name;
  }
  TempHome home;
  QTemporaryDir dir;
};

const QByteArray kPhpPage =
    "<html><head><title>p</title></head><body>\n<a href=\"<?php echo $url; ?>\">go</a>\n"
    "<input type=\"checkbox\" <?php if ($c) echo 'checked'; ?>>\n<p><% Response.Write(\"<i>\") "
    "%></p>\n</body></html>\n";

TEST_F(TidyCli, FormatKeepsServerSideCodeAndLineEnds) {
  const CliRun r = runCli({"tidy", "--format", write("p.php", kPhpPage)});
  EXPECT_EQ(r.exitCode, 1);  // warnings
  EXPECT_TRUE(r.out.contains("<a href=\"<?php echo $url; ?>\">go</a>")) << r.out.constData();
  EXPECT_TRUE(r.out.contains("<input type=\"checkbox\" <?php if ($c) echo 'checked'; ?>>")) << r.out.constData();
  EXPECT_TRUE(r.out.contains("<p><% Response.Write(\"<i>\") %></p>")) << r.out.constData();
  EXPECT_FALSE(r.out.contains('\r'));
  EXPECT_TRUE(r.err.contains("Warning: missing <!DOCTYPE> declaration")) << r.err.constData();
  // The log names the block, not its placeholder.
  EXPECT_TRUE(r.err.contains("proprietary attribute \"<?php if ($c) echo 'checked'; ?>\"")) << r.err.constData();
}

TEST_F(TidyCli, ResultToAFileAndCrLfKept) {
  const QString out = dir.path() + "/out.htm";
  const CliRun r = runCli({"tidy", "--xhtml", write("a.htm", "<p>a<br>b\r\n"), "-o", out});
  EXPECT_EQ(r.exitCode, 1) << r.err.constData();
  EXPECT_TRUE(r.out.isEmpty());
  const QByteArray result = readBytes(out);
  EXPECT_TRUE(result.contains("<br />")) << result.constData();
  EXPECT_EQ(result.count("\r\n"), result.count('\n'));
}

TEST_F(TidyCli, FixTakesTheDialogsOptions) {
  const CliRun r =
      runCli({"tidy", "--fix", "--output", "XHTML", "--check", "10=0", write("a.htm", "<P>a<IMG SRC=x.gif>")});
  EXPECT_EQ(r.exitCode, 1) << r.err.constData();
  EXPECT_TRUE(r.out.contains("<img src=\"x.gif\" alt=\"Image\" />")) << r.out.constData();
  EXPECT_FALSE(r.err.contains("Config:")) << r.err.constData();  // every option is one tidy knows
}

TEST_F(TidyCli, ErrorsGiveTidysStatusAndNoResult) {
  const QString out = dir.path() + "/out.htm";
  const CliRun r = runCli({"tidy", "--format", write("a.htm", "<p>x</p><foo></bar>"), "-o", out});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.err.contains("Error: <foo> is not recognized!")) << r.err.constData();
  EXPECT_FALSE(QFile::exists(out));
}

TEST_F(TidyCli, NoToolIsStatusThreeNamingTidy) {
  QTemporaryDir emptyPath;
  const QByteArray oldPath = qgetenv("PATH");
  qputenv("PATH", emptyPath.path().toLocal8Bit());
  const CliRun r = runCli({"tidy", "--format", write("a.htm", "<p>x</p>")});
  qputenv("PATH", oldPath);
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.err.contains("the tidy program could not be started")) << r.err.constData();
  EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(TidyCli, AToolPastTheTimeLimitIsStopped) {
  home.write("Extensions/tidy", "#!/bin/sh\nexec sleep 30\n");
  QFile::setPermissions(home.file("Extensions/tidy"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const CliRun r = runCli({"tidy", "--css", "--time-limit", "1", write("a.htm", "<p>x</p>")});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.err.contains("tidy did not finish within 1 seconds")) << r.err.constData();
}

TEST_F(TidyCli, RefusedPageIsStatusThree) {
  const CliRun r = runCli({"tidy", "--format", write("a.php", "<p><?php echo 1;\n")});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.err.contains("The server-side block on line 1 is not closed.")) << r.err.constData();
}

TEST_F(TidyCli, UsageErrors) {
  for (const QStringList& bad : {QStringList{"tidy", "a.htm"}, QStringList{"tidy", "--format", "--xml", "a.htm"},
                                 QStringList{"tidy", "--format", "--wrap", "3", "a.htm"}}) {
    EXPECT_EQ(runCli(bad).exitCode, 2) << bad.join(' ').toStdString();
  }
}

// Which options the installed tidy knows: each key tidy-config prints, and
// every key of the fixed configurations. (Every key the writer can write is
// checked in tests/core/tidy/tidy_option_names_test.cpp.)
QStringList knownOptions() {
  QProcess p;
  p.start("tidy", {"-help-config"});
  EXPECT_TRUE(p.waitForFinished(30000));
  QStringList names;
  for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
    const QRegularExpressionMatch m = QRegularExpression("^([a-z][a-z0-9-]+) ").match(line);
    if (m.hasMatch()) names << m.captured(1);
  }
  return names;
}

TEST(InstalledTidy, KnowsEveryKey) {
  const QStringList known = knownOptions();
  ASSERT_GT(known.size(), 50);
  const CliRun r =
      runCli({"tidy-config", "--output", "XHTML", "--inline", "i", "--empty", "e", "--block", "b", "--pre", "p"});
  ASSERT_EQ(r.exitCode, 0) << r.err.constData();
  for (const QString& line : QString::fromUtf8(r.out).split("\r\n", Qt::SkipEmptyParts)) {
    const QString key = line.section(':', 0, 0);
    EXPECT_TRUE(known.contains(key)) << key.toStdString();
  }
  for (const char* file : {"qdtidyformat.qdf", "qdtidyuptocss.qdf", "qdtidyxml.qdf", "qdtidyxhtml.qdf"}) {
    const QByteArray config = readBytes(sourceDir() + "/data/Extensions/" + file);
    EXPECT_TRUE(config.contains("write-back: yes\r\n")) << file;
    EXPECT_TRUE(config.contains("error-file: error.log\r\n")) << file;
    for (const QString& line : QString::fromUtf8(config).split("\r\n", Qt::SkipEmptyParts))
      EXPECT_TRUE(known.contains(line.section(':', 0, 0))) << file << ": " << line.toStdString();
  }
}

}  // namespace
}  // namespace markloom::test
