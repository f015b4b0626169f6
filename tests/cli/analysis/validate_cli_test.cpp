// markloom-cli validate and tokens, run as processes on files in a temporary folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "cli_run.h"
#include "temp_home.h"

namespace markloom {
namespace {

using test::CliRun;

class CliFiles : public ::testing::Test {
 protected:
  QString file(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.path() + "/" + name;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  QString missing() const { return dir_.path() + "/missing.html"; }

  static CliRun run(const QStringList& args) { return test::runCli(args); }

  QTemporaryDir dir_;
};

TEST_F(CliFiles, OneFileWithRowsPrintsThemInOrderAndExitsOne) {
  const QString page = file("page.html", "<p dir=rtl>\r\n<font color=red align=x>\r\n");
  const CliRun r = run({"validate", page});
  EXPECT_EQ(r.exitCode, 1) << r.err.constData();
  EXPECT_EQ(r.out,
            "DIR\tUNKNOWN PROPERTY: DIR IN <P>\tError\n"
            "ALIGN\tUNKNOWN PROPERTY: ALIGN IN <FONT>\tError\n"
            "FONT\tSUPERCEEDED/DISCONTINUED: <FONT>\tDeprecated\n");
  EXPECT_TRUE(r.err.isEmpty());
}

TEST_F(CliFiles, CleanFileGivesTheNoErrorsRowAndExitsZero) {
  const CliRun r = run({"validate", file("clean.html", "<p align=center>Hi</p>")});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "\tNo errors found in this document.\t\n");
}

TEST_F(CliFiles, SeveralFilesPrefixEveryRowWithThePath) {
  const QString a = file("a.html", "<u>");
  const QString b = file("b.html", "<b>");
  const CliRun r = run({"validate", a, b});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out,
            (a + "\tU\tSUPERCEEDED/DISCONTINUED: <U>\tDeprecated\n" + b + "\t\tNo errors found in this document.\t\n")
                .toUtf8());
}

TEST_F(CliFiles, SeveralCleanFilesExitZero) {
  const CliRun r = run({"validate", file("a.html", "<b>"), file("b.html", "")});
  EXPECT_EQ(r.exitCode, 0);
}

TEST_F(CliFiles, UnreadableFileIsReportedAndTheOthersStillChecked) {
  const QString ok = file("ok.html", "<center>");
  const CliRun r = run({"validate", missing(), ok});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, ("Cannot open file " + missing() + "\n").toUtf8());
  EXPECT_EQ(r.out, (ok + "\tCENTER\tSUPERCEEDED/DISCONTINUED: <CENTER>\tDeprecated\n").toUtf8());
}

TEST_F(CliFiles, JsonRowsCarryFileLineAndTheThreeTexts) {
  const QString page = file("page.html", "text\n<img\n src=a bogus=\xe9>\n");
  const QString clean = file("clean.html", "<p>");
  const CliRun r = run({"validate", "--format", "json", page, clean});
  EXPECT_EQ(r.exitCode, 1);
  const QList<QByteArray> lines = r.out.trimmed().split('\n');
  ASSERT_EQ(lines.size(), 2);
  const QJsonObject first = QJsonDocument::fromJson(lines[0]).object();
  EXPECT_EQ(first["file"].toString(), page);
  EXPECT_EQ(first["line"].toInt(), 2);
  EXPECT_EQ(first["subject"].toString(), QString::fromLatin1("BOGUS"));
  EXPECT_EQ(first["message"].toString(), "UNKNOWN PROPERTY: BOGUS IN <IMG>");
  EXPECT_EQ(first["type"].toString(), "Error");
  const QJsonObject second = QJsonDocument::fromJson(lines[1]).object();
  EXPECT_EQ(second["file"].toString(), clean);
  EXPECT_TRUE(second["line"].isNull());
  EXPECT_EQ(second["message"].toString(), "No errors found in this document.");
  EXPECT_EQ(second["subject"].toString(), "");
}

TEST_F(CliFiles, BadArgumentsExitTwo) {
  EXPECT_EQ(run({"validate"}).exitCode, 2);
  EXPECT_EQ(run({"validate", "--format", "xml", file("a.html", "")}).exitCode, 2);
  EXPECT_EQ(run({"tokens"}).exitCode, 2);
  const CliRun r = run({"tokens", missing()});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, ("Cannot open file " + missing() + "\n").toUtf8());
}

// --rules: auto lets each page's DOCTYPE decide, html5 and classic force a set.
struct RulesCase {
  const char* name;
  QStringList options;
  QByteArray out;
  int exitCode;
};
std::ostream& operator<<(std::ostream& os, const RulesCase& c) { return os << c.name; }

const QByteArray kHtml5Page =
    "<!DOCTYPE html>\r\n<meta charset=utf-8>\r\n<title>t</title>\r\n<link rel=icon href=i.png />\r\n";
const QByteArray kHtml5AsHtml4 =
    "CHARSET\tUNKNOWN PROPERTY: CHARSET IN <META>\tError\n/\tUNKNOWN PROPERTY: / IN <LINK>\tError\n";

class CliRules : public CliFiles, public ::testing::WithParamInterface<RulesCase> {};

TEST_P(CliRules, SelectTheSetOfEveryFile) {
  const RulesCase& c = GetParam();
  const CliRun r = run(c.options + QStringList{file("page.html", kHtml5Page)});
  EXPECT_EQ(r.exitCode, c.exitCode) << r.err.constData();
  EXPECT_EQ(r.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliRules,
    ::testing::Values(
        RulesCase{"DefaultFollowsTheDoctype", {"validate"}, "\tNo errors found by the HTML5 rules.\t\n", 0},
        RulesCase{
            "AutoFollowsTheDoctype", {"validate", "--rules", "auto"}, "\tNo errors found by the HTML5 rules.\t\n", 0},
        RulesCase{"ClassicForcesTheHtml4Rules", {"validate", "--rules", "classic"}, kHtml5AsHtml4, 1},
        RulesCase{"ClassicWithEqualsSign", {"validate", "--rules=classic"}, kHtml5AsHtml4, 1},
        RulesCase{"Html5", {"validate", "--rules", "html5"}, "\tNo errors found by the HTML5 rules.\t\n", 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(CliFiles, JsonRowsCarryTheRuleSetOfTheirFile) {
  const QString html5 = file("new.html", "<!doctype html><title>t</title>\n<blink></blink>\n");
  const QString html4 = file("old.html", "<center>\n");
  const QString clean = file("clean.html", "<!DOCTYPE html><title>t</title><p>");
  const CliRun r = run({"validate", "--format", "json", html5, html4, clean});
  EXPECT_EQ(r.exitCode, 1);
  const QList<QByteArray> lines = r.out.trimmed().split('\n');
  ASSERT_EQ(lines.size(), 3);
  const QJsonObject first = QJsonDocument::fromJson(lines[0]).object();
  EXPECT_EQ(first["message"].toString(), "UNKNOWN TAG: BLINK");
  EXPECT_EQ(first["line"].toInt(), 2);
  EXPECT_EQ(first["rules"].toString(), "html5");
  const QJsonObject second = QJsonDocument::fromJson(lines[1]).object();
  EXPECT_EQ(second["message"].toString(), "SUPERCEEDED/DISCONTINUED: <CENTER>");
  EXPECT_EQ(second["rules"].toString(), "classic");
  const QJsonObject third = QJsonDocument::fromJson(lines[2]).object();
  EXPECT_EQ(third["message"].toString(), "No errors found by the HTML5 rules.");
  EXPECT_EQ(third["rules"].toString(), "html5");
}

TEST_F(CliFiles, HelpListsTheRulesOption) {
  const CliRun r = run({"validate", "--help"});
  EXPECT_EQ(r.exitCode, 0);
  for (const char* text : {"--rules auto", "--rules html5", "--rules classic", "--format json", "--max-warnings N"})
    EXPECT_TRUE(r.out.contains(text)) << text << "\n" << r.out.constData();
  const CliRun all = run({"--help"});
  EXPECT_TRUE(all.out.contains("validate [--format tsv|json] [--rules auto|html5|classic] [--max-warnings N] FILE..."))
      << all.out.constData();
}

// Errors, warnings (the HTML5 rules' advice) and --max-warnings decide the
// exit status; a row of either kind is printed whatever the status.
struct ExitCase {
  const char* name;
  QByteArray page;
  QStringList options;
  int exitCode;
};
std::ostream& operator<<(std::ostream& os, const ExitCase& c) { return os << c.name; }

const QByteArray kClean = "<!DOCTYPE html><html lang=en><title>t</title><p>x";
const QByteArray kTwoWarnings = kClean + "<nav role=navigation>n</nav><script type=text/javascript></script>";
const QByteArray kErrorAndWarning = kClean + "<nav role=navigation>n</nav><center>c</center>";

class CliExit : public CliFiles, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(CliExit, StatusFollowsTheKindsOfRows) {
  const ExitCase& c = GetParam();
  const CliRun r = run(QStringList{"validate"} + c.options + QStringList{file("page.html", c.page)});
  EXPECT_EQ(r.exitCode, c.exitCode) << r.out.constData() << r.err.constData();
  if (c.page != kClean) {
    EXPECT_TRUE(r.out.contains("\tWarning\n")) << r.out.constData();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliExit,
    ::testing::Values(ExitCase{"NoRows", kClean, {}, 0}, ExitCase{"WarningsOnly", kTwoWarnings, {}, 3},
                      ExitCase{"WarningsWithinTheLimit", kTwoWarnings, {"--max-warnings", "2"}, 0},
                      ExitCase{"WarningsOverTheLimit", kTwoWarnings, {"--max-warnings=1"}, 1},
                      ExitCase{"ErrorsWhateverTheLimit", kErrorAndWarning, {"--max-warnings", "9"}, 1},
                      ExitCase{"ObsoleteElementIsAnError", kErrorAndWarning, {}, 1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(CliFiles, MaxWarningsWantsAWholeNumber) {
  for (const char* bad : {"x", "-1", ""}) {
    const CliRun r = run({"validate", "--max-warnings", bad, file("a.html", kClean)});
    EXPECT_EQ(r.exitCode, 2) << bad;
    EXPECT_TRUE(r.err.contains("--max-warnings wants a whole number")) << r.err.constData();
  }
}

TEST_F(CliFiles, UnknownRulesExitTwo) {
  const CliRun r = run({"validate", "--rules", "html4", file("a.html", "<p>")});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_TRUE(r.err.contains("unknown rules 'html4'")) << r.err.constData();
  EXPECT_EQ(run({"validate", "--rules"}).exitCode, 2);
}

TEST_F(CliFiles, TokensPrintOneJsonLinePerToken) {
  const CliRun r = run({"tokens", file("t.html", "<a href=\"x y\">Caf&eacute;</a>\r\n")});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out,
            "{\"tag\":\"A\",\"raw\":\"a href=\\\"x y\\\"\",\"params\":[{\"name\":\"HREF\",\"value\":\"x y\","
            "\"raw\":\"href=\\\"x y\\\"\"}]}\n"
            "{\"text\":\"Caf\xC3\xA9\",\"raw\":\"Caf&eacute;\"}\n"
            "{\"tag\":\"/A\",\"raw\":\"/a\",\"params\":[]}\n");
}

// Every byte comes back as the code point of the same number.
TEST_F(CliFiles, TokensPrintAnyBytesLosslessly) {
  QByteArray all;
  for (int c = 0; c < 256; ++c)
    if (c != '<' && c != '>' && c != '\r' && c != '\n') all.append(static_cast<char>(c));
  const CliRun r = run({"tokens", file("bytes.html", "<x " + all + ">" + all)});
  EXPECT_EQ(r.exitCode, 0);
  const QList<QByteArray> lines = r.out.trimmed().split('\n');
  ASSERT_EQ(lines.size(), 2);
  const QJsonObject tag = QJsonDocument::fromJson(lines[0]).object();
  EXPECT_EQ(tag["raw"].toString().toLatin1(), "x " + all);
  const QJsonObject text = QJsonDocument::fromJson(lines[1]).object();
  EXPECT_EQ(text["raw"].toString().toLatin1(), all + "\n");
}

}  // namespace
}  // namespace markloom
