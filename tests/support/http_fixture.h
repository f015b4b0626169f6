#pragma once
// The HTTP fixture server (http_fixture.py) for one test: started on
// 127.0.0.1 with a fresh test certificate for its HTTPS port, stopped (by its
// process id) when the fixture ends. The paths it serves are listed in the
// script.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace markloom::test {

// A port on 127.0.0.1 that nothing listens on (for "cannot be reached").
int closedPort();

// Lets the event loop run until done() holds; false when it still does not
// after 20 s (the bound keeps a broken test from hanging).
bool waitUntil(const std::function<bool()>& done);

class HttpFixture {
 public:
  HttpFixture();
  ~HttpFixture();
  bool running() const { return httpPort_ > 0; }
  QString url(const QString& path) const;        // http://127.0.0.1:PORT/path
  QString secureUrl(const QString& path) const;  // https://localhost:PORT/path
  int port() const { return httpPort_; }
  // The certificate that signs the HTTPS port (to trust in place of the system's).
  QString certificate() const { return dir_.filePath("cert.pem"); }
  // The requests seen so far, one "GET /path" or "PROXY url" each.
  QStringList log() const;

 private:
  QTemporaryDir dir_;
  QProcess server_;
  int httpPort_ = 0;
  int httpsPort_ = 0;
};

}  // namespace markloom::test
