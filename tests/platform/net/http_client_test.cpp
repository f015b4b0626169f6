#include "platform/net/http_client.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <thread>

#include "http_fixture.h"

namespace markloom {
namespace {

using test::HttpFixture;

struct Fetched {
  HttpResult result;
  std::string body;
};

Fetched fetch(HttpRequest request, const std::atomic<bool>* abort = nullptr) {
  HttpClient client;
  Fetched f;
  f.result = client.get(
      request,
      [&](std::string_view piece) {
        f.body += piece;
        return true;
      },
      abort);
  return f;
}

class HttpClientTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server.running()); }
  HttpRequest request(const QString& path, bool follow = false) {
    HttpRequest r;
    r.url = server.url(path).toStdString();
    r.headers = {"User-Agent: Tarnwell Corvane Engine 5.0", "Accept: */*"};
    r.followRedirects = follow;
    r.connectTimeoutSeconds = 5;
    r.totalTimeoutSeconds = 20;
    return r;
  }
  HttpFixture server;
};

TEST_F(HttpClientTest, AnswersAndTheirStatusLines) {
  struct Case {
    const char* path;
    bool follow;
    long status;
    const char* reason;
    const char* location;
    const char* bodyStart;
  };
  const Case cases[] = {
      {"/page", false, 200, "OK", "", "<html><body>fixture page"},
      {"/missing", false, 404, "Not Found", "", "<html><body>no such page"},
      {"/forbidden", false, 403, "Forbidden", "", "forbidden"},
      {"/error", false, 500, "Internal Server Error", "", "broken"},
      {"/moved", false, 301, "Moved Permanently", "/page", ""},
      {"/redirect/3", true, 200, "OK", "", "<html><body>fixture page"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const Fetched f = fetch(request(c.path, c.follow));
    EXPECT_EQ(f.result.outcome, HttpResult::Outcome::Completed) << f.result.error;
    EXPECT_EQ(f.result.status, c.status);
    EXPECT_EQ(f.result.reason, c.reason);
    EXPECT_EQ(f.result.location, c.location);
    EXPECT_EQ(f.body.rfind(c.bodyStart, 0), 0u) << f.body;
    EXPECT_EQ(f.result.bodyBytes, f.body.size());
    EXPECT_EQ(f.result.isHttpError(), c.status >= 400);
  }
  // The request carried the headers asked for.
  EXPECT_TRUE(server.log().contains("GET /page"));
  EXPECT_TRUE(server.log().contains("AGENT Tarnwell Corvane Engine 5.0"));
}

TEST_F(HttpClientTest, FailuresSayWhy) {
  HttpRequest tooMany = request("/redirect/12", true);
  HttpRequest unreachable = request("/page");
  unreachable.url = "http://127.0.0.1:" + std::to_string(test::closedPort()) + "/page";
  HttpRequest slow = request("/slow?ms=4000");
  slow.totalTimeoutSeconds = 1;
  HttpRequest untrusted;
  untrusted.url = server.secureUrl("/page").toStdString();
  untrusted.connectTimeoutSeconds = 5;
  struct Case {
    const char* what;
    HttpRequest request;
  };
  const Case cases[] = {
      {"more than ten redirects", tooMany},
      {"nobody listening", unreachable},
      {"too slow", slow},
      {"closed without an answer", request("/close")},
      {"a certificate the system does not trust", untrusted},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Fetched f = fetch(c.request);
    EXPECT_EQ(f.result.outcome, HttpResult::Outcome::Failed);
    EXPECT_FALSE(f.result.error.empty());
  }
}

TEST_F(HttpClientTest, HttpsWithATrustedCertificate) {
  HttpRequest r;
  r.url = server.secureUrl("/page").toStdString();
  r.certificateFile = server.certificate().toStdString();
  const Fetched f = fetch(r);
  EXPECT_EQ(f.result.outcome, HttpResult::Outcome::Completed) << f.result.error;
  EXPECT_EQ(f.result.status, 200);
}

TEST_F(HttpClientTest, AbortStopsARunningTransfer) {
  std::atomic<bool> abort{false};
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    abort = true;
  });
  const Fetched f = fetch(request("/trickle?n=2000000"), &abort);
  stopper.join();
  EXPECT_EQ(f.result.outcome, HttpResult::Outcome::Aborted);
  EXPECT_GT(f.body.size(), 0u);
  EXPECT_LT(f.body.size(), 2000000u);
}

TEST_F(HttpClientTest, TheProxyCarriesOtherHostsButLoopbackGoesDirect) {
  const std::string viaProxy = "http://site.example.invalid/page";  // never resolved: the proxy takes it
  const HttpProxy fixture{"127.0.0.1", server.port(), "", ""};
  const HttpProxy nowhere{"127.0.0.1", test::closedPort(), "", ""};
  HttpRequest r = request("/page");
  r.url = "http://127.0.0.1:" + std::to_string(test::closedPort()) + "/page";
  EXPECT_EQ(fetch(r).result.outcome, HttpResult::Outcome::Failed);  // no proxy: straight to a closed port

  r.url = viaProxy;
  r.proxy = fixture;
  Fetched f = fetch(r);
  EXPECT_EQ(f.result.status, 200) << f.result.error;
  EXPECT_TRUE(server.log().contains(QString::fromStdString("PROXY " + viaProxy)));

  // With a proxy that cannot be reached, loopback addresses still answer.
  r.proxy = nowhere;
  for (const std::string& local : {server.url("/page").toStdString(),
                                   "http://localhost:" + std::to_string(server.port()) + "/page"}) {
    r.url = local;
    f = fetch(r);
    EXPECT_EQ(f.result.status, 200) << local << ": " << f.result.error;
    EXPECT_EQ(f.body, "<html><body>fixture page</body></html>\n");
  }
  EXPECT_FALSE(server.log().join("\n").contains("PROXY http://127.0.0.1"));
  EXPECT_FALSE(server.log().join("\n").contains("PROXY http://localhost"));
}

TEST(EnvironmentNoProxy, LowerCaseFirstThenUpperCase) {
  const QByteArray lower = qgetenv("no_proxy"), upper = qgetenv("NO_PROXY");
  qunsetenv("no_proxy");
  qunsetenv("NO_PROXY");
  EXPECT_EQ(environmentNoProxy(), "");
  qputenv("NO_PROXY", "upper.example");
  EXPECT_EQ(environmentNoProxy(), "upper.example");
  qputenv("no_proxy", "lower.example,10.0.0.0/8");
  EXPECT_EQ(environmentNoProxy(), "lower.example,10.0.0.0/8");
  qputenv("no_proxy", "");
  EXPECT_EQ(environmentNoProxy(), "upper.example");
  for (const auto& [name, value] : {std::pair{"no_proxy", lower}, std::pair{"NO_PROXY", upper}}) {
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
}

TEST(ReasonPhrase, FromTheStatusLineOrKnownForTheCode) {
  EXPECT_EQ(reasonPhrase("HTTP/1.1 404 Not Found", 404), "Not Found");
  EXPECT_EQ(reasonPhrase("HTTP/1.0 418 I'm a teapot", 418), "I'm a teapot");
  EXPECT_EQ(reasonPhrase("HTTP/2 404", 404), "Not Found");
  EXPECT_EQ(reasonPhrase("", 0), "");
}

}  // namespace
}  // namespace markloom
