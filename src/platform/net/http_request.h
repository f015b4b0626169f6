#pragma once
// One HTTP GET: what to ask for and what came back. The option setup of a
// request lives in one place (applyRequestOptions), so a single transfer and
// a batch of them are configured alike.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

typedef void CURL;
struct curl_slist;

namespace markloom {

struct HttpProxy {
  std::string host;
  long port = 80;  // checked when read from the settings (1 to 65535)
  std::string user;
  std::string password;
};

struct HttpRequest {
  std::string url;
  std::vector<std::string> headers;  // "Name: value"
  bool followRedirects = false;
  long maxRedirects = 10;
  long connectTimeoutSeconds = 20;
  // A transfer that moves no byte for this long is given up; 0 never.
  long stallSeconds = 60;
  // The whole transfer; 0 for no limit.
  long totalTimeoutSeconds = 0;
  // Loopback hosts and the hosts of the no_proxy environment variable are
  // always fetched directly.
  std::optional<HttpProxy> proxy;
  // A file of PEM certificates to trust instead of the system's store; empty
  // for the system's (the program sets it from MARKLOOM_CA_FILE).
  std::string certificateFile;
};

struct HttpResult {
  enum class Outcome { Completed, Aborted, Failed };
  Outcome outcome = Outcome::Failed;
  long status = 0;              // the last response's status code; 0 without a response
  std::string reason;           // its reason phrase ("Not Found")
  std::string location;         // a redirect's target, when not followed
  std::string error;            // why the transfer failed (Failed only)
  std::uint64_t bodyBytes = 0;  // body bytes received
  bool timedOut = false;        // Failed because the whole transfer took too long
  bool isHttpError() const { return outcome == Outcome::Completed && status >= 400; }
};

// Sets url, headers, redirects, time-outs, proxy and certificate checks on a
// handle. The strings of request must outlive the transfer; the returned list
// holds the headers and must be freed with curl_slist_free_all after it.
struct curl_slist* applyRequestOptions(CURL* handle, const HttpRequest& request);

// The no_proxy (or NO_PROXY) environment variable; empty when unset.
std::string environmentNoProxy();

// What a response's header lines told; a new status line (the next response
// of a redirect chain) starts it afresh.
struct ResponseHead {
  std::string statusLine;
  std::string location;
  std::string retryAfter;
};
void readHeaderLine(ResponseHead& head, std::string_view rawLine);

// The reason phrase of a status line ("HTTP/1.1 404 Not Found" -> "Not Found");
// a known phrase for the code when the line has none (HTTP/2).
std::string reasonPhrase(const std::string& statusLine, long status);

}  // namespace markloom
