#include "ui/webtools/open_from_web_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QThread>

#include "core/common/command_ids.h"
#include "core/settings/settings_schema.h"
#include "dialog_driver.h"
#include "http_fixture.h"
#include "platform/settings/ini_settings_store.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using test::HttpFixture;
using test::ScriptedPrompter;
using test::TempHome;

class OpenFromWebTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.running());
    {
      IniSettingsStore store;
      writeInstallationDefaults(store);
      store.write("Proxies", "Server", "127.0.0.1");
      store.write("Proxies", "Port", std::to_string(server.port()));
      store.sync();
    }
    window.show();
    web = window.findChild<OpenFromWebWindow*>("WebForm");
    ASSERT_NE(web, nullptr);
    window.action(ids::kOpenFromWeb)->trigger();
    ASSERT_TRUE(web->isVisible());
  }
  // Types the address and file, presses OK and waits for the download's end.
  void fetch(const QString& url, const QString& file) {
    web->findChild<QComboBox*>("URLEdit")->setCurrentText(url);
    web->findChild<QLineEdit*>("Edit971")->setText(file);
    web->findChild<QPushButton*>("Button1")->click();
    ASSERT_TRUE(test::waitUntil([&] { return !web->downloading(); }));
  }
  void show() {
    if (!web->isVisible()) window.action(ids::kOpenFromWeb)->trigger();
  }
  // Changes one stored setting and has the window read the store again.
  void store(const std::string& section, const std::string& key, const std::string& value) {
    {
      IniSettingsStore settings;
      settings.write(section, key, value);
      settings.sync();
    }
    window.loadSettings();
  }
  int documentCount() const { return static_cast<int>(window.documents().size()); }

  TempHome home;
  ScriptedPrompter prompter;
  HttpFixture server;
  MainWindow window;
  OpenFromWebWindow* web = nullptr;
};

TEST_F(OpenFromWebTest, ARedirectedPageIsSavedAndOpened) {
  const QString target = home.file("fetched page.htm");
  fetch(server.url("/redirect/2"), target);
  EXPECT_EQ(home.read("fetched page.htm"), "<html><body>fixture page</body></html>\n");
  EXPECT_EQ(web->lastOutcome(), "Received 39 bytes in total.");
  EXPECT_FALSE(web->isVisible());
  ASSERT_EQ(documentCount(), 1);
  EXPECT_EQ(window.activeDocument()->document().fileName(), target);
  EXPECT_TRUE(server.log().contains("AGENT Tarnwell Markloom 5"));
  EXPECT_TRUE(server.log().contains("ACCEPT image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*"));
  // Hiding wrote the address list and cleared the fields.
  EXPECT_EQ(home.lines("Extensions/webrecent.qdf"), QStringList({server.url("/redirect/2")}));
  show();
  EXPECT_TRUE(web->findChild<QLineEdit*>("Edit971")->text().isEmpty());
  EXPECT_TRUE(web->statusText().isEmpty());
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

// An error answer is reported where the user looks, with or without an
// error page, and that page is neither saved nor opened as if it were the one asked for.
TEST_F(OpenFromWebTest, AnErrorStatusIsReportedAndNothingOpens) {
  struct Row {
    QString path;
    QString failure;
  };
  const std::vector<Row> rows = {
      {"/missing", "404 Not Found"},
      {"/status?code=503&body=0", "503 Service Unavailable"},
      {"/status?code=410&body=1", "410 Gone"},
      {"/forbidden", "403 Forbidden"},
  };
  home.write("old.htm", "old content\n");
  for (const Row& r : rows) {
    fetch(server.url(r.path), home.file("old.htm"));
    EXPECT_EQ(web->statusText(), "Failed : " + r.failure) << r.path.toStdString();
    EXPECT_EQ(web->lastOutcome(), "Failed : " + r.failure);
    EXPECT_EQ(window.statusText(2), "Open from Web failed: " + r.failure);
    EXPECT_TRUE(web->isVisible());
    EXPECT_EQ(documentCount(), 0);
    EXPECT_EQ(home.read("old.htm"), "old content\n");
    EXPECT_TRUE(web->findChild<QPushButton*>("Button1")->isEnabled());
  }
  // Fixing the address and trying again from the same window works.
  fetch(server.url("/page"), home.file("old.htm"));
  EXPECT_EQ(home.read("old.htm"), "<html><body>fixture page</body></html>\n");
  EXPECT_EQ(documentCount(), 1);
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

TEST_F(OpenFromWebTest, ReopeningShowsTheLastAddressUsed) {
  fetch(server.url("/page"), home.file("a.htm"));
  show();
  fetch(server.url("/redirect/1"), home.file("b.htm"));
  show();
  QComboBox* address = web->findChild<QComboBox*>("URLEdit");
  EXPECT_EQ(address->currentText(), server.url("/redirect/1"));
  EXPECT_EQ(test::itemTexts(address), QStringList({server.url("/page"), server.url("/redirect/1")}));
  // As at the next start, with nothing typed: the newest entry of the list.
  web->hide();
  address->setCurrentText("");
  home.write("Extensions/webrecent.qdf", "http://first.example/\r\nhttp://second.example/\r\n");
  show();
  EXPECT_EQ(address->currentText(), "http://second.example/");
  // An address typed but not fetched stays when the window comes back.
  address->setCurrentText("http://typed.example/");
  web->hide();
  show();
  EXPECT_EQ(address->currentText(), "http://typed.example/");
}

TEST_F(OpenFromWebTest, AbortHalfWayKeepsTheTargetAndWhatArrived) {
  home.write("old.htm", "old content\n");
  web->findChild<QComboBox*>("URLEdit")->setCurrentText(server.url("/trickle?n=3000000"));
  web->findChild<QLineEdit*>("Edit971")->setText(home.file("old.htm"));
  web->findChild<QPushButton*>("Button1")->click();
  EXPECT_FALSE(web->findChild<QPushButton*>("Button1")->isEnabled());
  ASSERT_TRUE(test::waitUntil([&] { return web->statusText().endsWith(" bytes received."); }));
  prompter.answers.push_back(Prompter::Answer::Yes);  // keep what arrived
  web->findChild<QPushButton*>("Button4")->click();
  ASSERT_TRUE(test::waitUntil([&] { return !web->downloading(); }));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_TRUE(prompter.messages[0].text.contains("as a new document?")) << prompter.messages[0].text.toStdString();
  EXPECT_TRUE(web->findChild<QPushButton*>("Button1")->isEnabled());
  EXPECT_FALSE(web->findChild<QPushButton*>("Button4")->isEnabled());
  EXPECT_TRUE(web->lastOutcome().startsWith("Aborted after ")) << web->lastOutcome().toStdString();
  EXPECT_EQ(home.read("old.htm"), "old content\n");
  ASSERT_EQ(documentCount(), 1);
  const std::size_t got = window.activeDocument()->document().editorOps().text().size();
  EXPECT_GT(got, 0u);
  EXPECT_LT(got, 3000000u);
  EXPECT_TRUE(web->isVisible());
}

// Past a limit the download stops with a message naming the limit; the
// target keeps its old content and nothing of the page is kept unless asked.
TEST_F(OpenFromWebTest, SizeAndTimeLimitsStopTheDownloadAndKeepNothing) {
  struct Case {
    const char* name;
    const char* key;
    const char* limit;
    QString path;
    QString outcome;
  };
  const std::vector<Case> cases = {
      {"a large page", "Web Size Limit", "1", "/large?n=3000000",
       "Failed : the page is larger than the size limit of 1 MB"},
      {"a body without end", "Web Size Limit", "1", "/endless", "Failed : the page is larger than the size limit of 1 MB"},
      {"a slow page", "Web Time Limit", "1", "/large?n=2000000&rate=200000",
       "Failed : the page took longer than the time limit of 1 s"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    store("Proxies", "Web Size Limit", "256");
    store("Proxies", "Web Time Limit", "1800");
    store("Proxies", c.key, c.limit);
    show();
    home.write("old.htm", "old content\n");
    prompter.messages.clear();
    prompter.answers.push_back(Prompter::Answer::No);
    fetch(server.url(c.path), home.file("old.htm"));
    EXPECT_EQ(web->lastOutcome(), c.outcome);
    ASSERT_EQ(prompter.messages.size(), 1u) << "the bytes that arrived are offered";
    EXPECT_TRUE(prompter.messages[0].text.startsWith("Open from Web failed: " + c.outcome.mid(9)));
    EXPECT_EQ(home.read("old.htm"), "old content\n");
    EXPECT_EQ(documentCount(), 0);
    EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
  }
  // No temporary copy of a page outlives its download.
  EXPECT_TRUE(QDir(QDir::tempPath()).entryList({"markloom-download-*"}).isEmpty());
}

// A page near the size limit streams to the target whole.
TEST_F(OpenFromWebTest, ALargePageWithinTheLimitIsSavedWhole) {
  store("Proxies", "Web Size Limit", "8");
  show();
  fetch(server.url("/large?n=5000000"), home.file("large.htm"));
  EXPECT_EQ(web->lastOutcome(), "Received 5000000 bytes in total.");
  EXPECT_EQ(home.read("large.htm"), QByteArray(5000000, 'x'));
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

// A proxy port that is not a number is reported when the download starts;
// nothing is fetched and the program goes on.
TEST_F(OpenFromWebTest, AProxyPortThatIsNotANumberIsAMessage) {
  store("Proxies", "Port", "eighty");
  show();
  fetch("http://site.example.invalid/page", home.file("p.htm"));
  EXPECT_EQ(prompter.errors,
            QStringList({"The proxy settings cannot be used. Proxy Port: 'eighty' is not a whole number."}));
  EXPECT_TRUE(server.log().isEmpty());
  EXPECT_FALSE(web->downloading());
}

TEST_F(OpenFromWebTest, UnreachableServerIsReportedAndTheWindowStays) {
  home.write("old.htm", "old content\n");
  fetch(QString("http://127.0.0.1:%1/page").arg(test::closedPort()), home.file("old.htm"));
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_TRUE(web->isVisible());
  EXPECT_EQ(home.read("old.htm"), "old content\n");
  EXPECT_EQ(documentCount(), 0);  // nothing arrived, nothing to keep
}

TEST_F(OpenFromWebTest, NoFileOrATargetThatCannotBeCreatedFetchesNothing) {
  fetch(server.url("/page"), "");
  EXPECT_EQ(prompter.errors, QStringList({"Please specify a filename to save the file to."}));
  const QString impossible = home.file("no such folder/page.htm");
  fetch(server.url("/page"), impossible);
  ASSERT_EQ(prompter.errors.size(), 2);
  EXPECT_EQ(prompter.errors[1], "Cannot create file " + impossible + ": No such file or directory");
  EXPECT_TRUE(server.log().isEmpty());
  web->hide();
  // Only the attempt with a file name went into the list.
  EXPECT_EQ(home.lines("Extensions/webrecent.qdf"), QStringList({server.url("/page")}));
}

TEST_F(OpenFromWebTest, EveryAttemptAddsItsAddressEvenTwice) {
  fetch(server.url("/page"), home.file("a.htm"));
  show();
  fetch(server.url("/page"), home.file("b.htm"));
  EXPECT_EQ(home.lines("Extensions/webrecent.qdf"), QStringList({server.url("/page"), server.url("/page")}));
}

// The box follows Preferences (a proxy server is set here); the proxy
// carries other hosts, and loopback addresses go straight to the server.
TEST_F(OpenFromWebTest, TheProxyCarriesOtherHostsButNotLoopback) {
  QCheckBox* useProxy = web->findChild<QCheckBox*>("CheckBox1");
  EXPECT_TRUE(useProxy->isChecked());
  EXPECT_TRUE(useProxy->isEnabled());
  const QString remote = "http://site.example.invalid/page";  // only the proxy ever sees this name
  fetch(remote, home.file("p.htm"));
  EXPECT_EQ(home.read("p.htm"), "<html><body>fixture page</body></html>\n");
  EXPECT_TRUE(server.log().contains("PROXY " + remote));
  show();
  fetch(server.url("/page"), home.file("q.htm"));
  EXPECT_EQ(home.read("q.htm"), "<html><body>fixture page</body></html>\n");
  EXPECT_FALSE(server.log().join("\n").contains("PROXY http://127.0.0.1"));
  // The user's choice stands while Preferences keep the same server.
  show();
  useProxy->setChecked(false);
  web->hide();
  show();
  EXPECT_FALSE(useProxy->isChecked());
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

TEST(OpenFromWebProxy, WithoutAProxyServerTheBoxIsOffAndDisabled) {
  TempHome home;
  ScriptedPrompter prompter;
  {
    IniSettingsStore store;
    writeInstallationDefaults(store);
    store.sync();
  }
  MainWindow window;
  window.show();
  auto* web = window.findChild<OpenFromWebWindow*>("WebForm");
  ASSERT_NE(web, nullptr);
  window.action(ids::kOpenFromWeb)->trigger();
  QCheckBox* useProxy = web->findChild<QCheckBox*>("CheckBox1");
  EXPECT_FALSE(useProxy->isChecked());
  EXPECT_FALSE(useProxy->isEnabled());
}

TEST_F(OpenFromWebTest, HttpsWithATestCertificate) {
  qputenv("MARKLOOM_CA_FILE", server.certificate().toLocal8Bit());
  fetch(server.secureUrl("/page"), home.file("s.htm"));
  qunsetenv("MARKLOOM_CA_FILE");
  EXPECT_EQ(home.read("s.htm"), "<html><body>fixture page</body></html>\n");
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

}  // namespace
}  // namespace markloom
