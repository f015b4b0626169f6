#include <gtest/gtest.h>

#include <QDir>
#include <QTcpServer>
#include <QTemporaryDir>

#include "cli_run.h"
#include "http_fixture.h"

namespace markloom {
namespace {

using test::HttpFixture;
using test::runCli;

class CheckLinksCli : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.running());
    QDir(dir.path()).mkpath("images");
    test::writeBytes(dir.filePath("here.htm"), "x");
    test::writeBytes(dir.filePath("images/logo.gif"), "x");
    qputenv("MARKLOOM_CA_FILE", server.certificate().toLocal8Bit());
  }
  void TearDown() override { qunsetenv("MARKLOOM_CA_FILE"); }
  QString page(const QString& body) {
    const QString file = dir.filePath("page.htm");
    test::writeBytes(file, body.toUtf8());
    return file;
  }
  QTemporaryDir dir;
  HttpFixture server;
};

TEST_F(CheckLinksCli, GoldenPageUnderBothRuleSets) {
  const QString closed = QString("http://127.0.0.1:%1/page").arg(test::closedPort());
  const QString file = page(
      "<a href=\"here.htm\">ok</a> <a href=\"gone.htm\">x</a> <a href=\"/about.htm\">x</a>\n"
      "<a href=\"mailto:me@example.test\">x</a> <img src=\"images/logo.gif\"> <img src=\"images/none.gif\">\n"
      "<a href=\"" +
      server.url("/page") + "\">x</a> <a href=\"" + server.url("/missing") +
      "\">x</a>\n"
      "<a href=\"" +
      server.url("/forbidden") + "\">x</a> <script src=\"" + server.url("/error") +
      "\"></script>\n"
      "<a href=\"" +
      server.url("/moved") + "\">x</a> <a href=\"" + server.url("/busy") +
      "\">x</a>\n"
      "<a href=\"" +
      closed + "\">x</a> <a href=\"" + server.secureUrl("/missing") +
      "\">x</a>\n"
      "<a href=\"" +
      server.url("/missing") + "\">twice</a> <a href=\"here.htm#part\">x</a>\n");
  const QString base = QDir(dir.path()).absolutePath() + "/";

  auto modern = runCli({"check-links", file});
  EXPECT_EQ(modern.exitCode, 1) << modern.err.toStdString();
  const QStringList rows = QString::fromUtf8(modern.out).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(rows.size(), 10) << modern.out.toStdString();
  EXPECT_EQ(rows[0], "\t" + base + "gone.htm\t404\tFile does not exist.");
  EXPECT_EQ(rows[1], "\t" + base + "images/none.gif\t404\tFile does not exist.");
  EXPECT_EQ(rows[2], "Error\t/about.htm\t404\tFile not found.");
  EXPECT_EQ(rows[3], "Error\t" + server.url("/missing") + "\t404\t404 Not Found");
  EXPECT_TRUE(rows[4].startsWith("Error\t" + closed + "\t-\t")) << rows[4].toStdString();
  EXPECT_EQ(rows[5], "Error\t" + server.secureUrl("/missing") + "\t404\t404 Not Found");
  EXPECT_EQ(rows[6], "Error\t" + server.url("/missing") + "\t404\t404 Not Found");
  EXPECT_EQ(rows[7], "Redirect\t" + server.url("/moved") + "\t301\tRedirects to /page");
  EXPECT_EQ(rows[8], "Security\t" + server.url("/forbidden") + "\t403\t403 Forbidden");
  EXPECT_EQ(rows[9], "Server\t" + server.url("/error") + "\t500\t500 Internal Server Error");
  // The first answer to /busy was 429 with Retry-After: 1; it was asked again and then passed.
  EXPECT_EQ(server.log().filter("HEAD /busy").size(), 2);

  auto classic = runCli({"check-links", "--classic", file});
  EXPECT_EQ(classic.exitCode, 1) << classic.err.toStdString();
  const QStringList classicRows = {
      "\t" + base + "gone.htm\t404\tFile does not exist.",
      "\t" + base + "here.htm#part\t404\tFile does not exist.",
      "Error\t/about.htm\t404\tFile not found.",
      "Error\t" + server.url("/missing") + "\t404\t404 Not Found",
      "Error\t" + server.url("/missing") + "\t404\t404 Not Found",
      "Security\t" + server.url("/forbidden") + "\t403\t403 Forbidden",
      "Server\t" + server.url("/error") + "\t500\t500 Internal Server Error",
  };
  EXPECT_EQ(QString::fromUtf8(classic.out).split('\n', Qt::SkipEmptyParts), classicRows);

  // The classic rules ask once and never retry.
  EXPECT_EQ(server.log().filter("HEAD /busy").size(), 3);
}

// A link's status comes from the response headers: a large page sent slowly
// is healthy, with HEAD or, where HEAD is refused, with a GET that stops when
// the body begins. Each page here would take 100 s to arrive whole, far past
// the time-out.
TEST_F(CheckLinksCli, SlowLargePagesAreJudgedByTheirHeaders) {
  const QString slow = "/large?n=200000000&rate=2000000";
  const QString file = page("<a href=\"" + server.url(slow) + "\">a</a>\n<a href=\"" + server.url("/nohead" + slow) +
                            "\">b</a>\n<a href=\"" + server.url("/nohead/missing") + "\">c</a>\n");
  auto run = runCli({"check-links", "--timeout", "5", file});
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  EXPECT_EQ(QString::fromUtf8(run.out), "Error\t" + server.url("/nohead/missing") + "\t404\t404 Not Found\n");
  const QStringList log = server.log();
  EXPECT_EQ(log.filter("HEAD " + slow).size(), 1);
  EXPECT_TRUE(log.filter("GET " + slow).isEmpty()) << "HEAD was enough";
  EXPECT_EQ(log.filter("HEAD /nohead" + slow).size(), 1);
  EXPECT_EQ(log.filter("GET /nohead" + slow).size(), 1) << "refused HEAD falls back to GET";
}

// The time-out counts from the moment a request is sent: links waiting their
// turn behind the connection limits are all asked and none times out, though
// the whole run takes longer than the time-out.
TEST_F(CheckLinksCli, QueuedLinksAreAllAskedBeforeTheirTimeOutStarts) {
  struct Case {
    const char* name;
    QStringList options;
    int links;
  };
  const Case cases[] = {
      {"one request at a time", {"--jobs", "1"}, 4},
      {"more links to one server than it may take at once", {}, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QString body;
    for (int i = 0; i < c.links; ++i)
      body += "<a href=\"" + server.url(QString("/slow?ms=1200&case=%1&i=%2").arg(c.links).arg(i)) + "\">x</a>\n";
    auto run = runCli(QStringList{"check-links", "--timeout", "2"} + c.options + QStringList{page(body)});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(server.log().filter(QString("HEAD /slow?ms=1200&case=%1&").arg(c.links)).size(), c.links);
  }
}

TEST_F(CheckLinksCli, ExitStatusAndJson) {
  auto clean = runCli({"check-links", page("<a href=\"here.htm\">ok</a>")});
  EXPECT_EQ(clean.exitCode, 0);
  EXPECT_TRUE(clean.out.isEmpty());

  auto json = runCli({"check-links", "--format", "json", page("\n<img src=\"nothere.gif\">")});
  EXPECT_EQ(json.exitCode, 1);
  const QString base = QDir(dir.path()).absolutePath() + "/";
  EXPECT_EQ(QString::fromUtf8(json.out),
            "{\"file\":\"" + dir.filePath("page.htm") + "\",\"line\":2,\"type\":\"\",\"link\":\"" + base +
                "nothere.gif\",\"status\":\"404\",\"message\":\"File does not exist.\"}\n");

  auto missing = runCli({"check-links", dir.filePath("nope.htm")});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err, "Cannot open file " + dir.filePath("nope.htm").toLocal8Bit() + "\n");
  for (const QStringList& wrong : {QStringList{"--jobs", "0"}, QStringList{"--jobs", "12abc"},
                                   QStringList{"--timeout", "0"}, QStringList{"--timeout", "soon"}})
    EXPECT_EQ(runCli(QStringList{"check-links"} + wrong + QStringList{"x"}).exitCode, 2) << wrong.join(' ').toStdString();
}

}  // namespace
}  // namespace markloom
