#include "platform/net/http_client.h"

#include <curl/curl.h>

#include <cstdlib>
#include <map>
#include <mutex>

#include "core/webtools/proxy_bypass.h"

namespace markloom {

namespace {

struct Transfer {
  const HttpClient::BodySink* sink = nullptr;
  const std::atomic<bool>* abort = nullptr;
  ResponseHead head;
  std::uint64_t bytes = 0;
  bool sinkStopped = false;
};

std::size_t onBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto* t = static_cast<Transfer*>(user);
  const std::size_t n = size * count;
  if (t->abort && t->abort->load()) return 0;
  if (t->sink && *t->sink && !(*t->sink)(std::string_view(data, n))) {
    t->sinkStopped = true;
    return 0;
  }
  t->bytes += n;
  return n;
}

std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* user) {
  const std::size_t n = size * count;
  readHeaderLine(static_cast<Transfer*>(user)->head, std::string_view(data, n));
  return n;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto* t = static_cast<Transfer*>(user);
  return t->abort && t->abort->load() ? 1 : 0;
}

}  // namespace

void readHeaderLine(ResponseHead& head, std::string_view rawLine) {
  std::string line(rawLine);
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  auto valueAfter = [&](std::size_t nameLength) {
    std::size_t start = nameLength;
    while (start < line.size() && line[start] == ' ') ++start;
    return line.substr(start);
  };
  if (line.rfind("HTTP/", 0) == 0) {
    head = ResponseHead{line, {}, {}};
  } else if (line.size() > 9 && curl_strnequal(line.c_str(), "Location:", 9)) {
    head.location = valueAfter(9);
  } else if (line.size() > 12 && curl_strnequal(line.c_str(), "Retry-After:", 12)) {
    head.retryAfter = valueAfter(12);
  }
}

std::string environmentNoProxy() {
  // Lower case first, as curl reads them.
  for (const char* name : {"no_proxy", "NO_PROXY"})
    if (const char* value = std::getenv(name); value && *value) return value;
  return {};
}

void initialiseNetwork() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct curl_slist* applyRequestOptions(CURL* handle, const HttpRequest& request) {
  curl_easy_setopt(handle, CURLOPT_URL, request.url.c_str());
  curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  // HTTP/1.1 answers carry their reason phrase, which the messages show.
  curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
  curl_easy_setopt(handle, CURLOPT_MAXREDIRS, request.maxRedirects);
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, request.connectTimeoutSeconds);
  curl_easy_setopt(handle, CURLOPT_TIMEOUT, request.totalTimeoutSeconds);
  if (request.stallSeconds > 0) {
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, request.stallSeconds);
  }
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!request.certificateFile.empty()) curl_easy_setopt(handle, CURLOPT_CAINFO, request.certificateFile.c_str());
  // libcurl is told no_proxy itself: the decision is made here, once.
  curl_easy_setopt(handle, CURLOPT_NOPROXY, "");
  if (request.proxy && !request.proxy->host.empty() && !bypassesProxy(request.url, environmentNoProxy())) {
    curl_easy_setopt(handle, CURLOPT_PROXY, request.proxy->host.c_str());
    curl_easy_setopt(handle, CURLOPT_PROXYPORT, request.proxy->port);
    curl_easy_setopt(handle, CURLOPT_PROXYTYPE, CURLPROXY_HTTP);
    if (!request.proxy->user.empty()) {
      curl_easy_setopt(handle, CURLOPT_PROXYUSERNAME, request.proxy->user.c_str());
      curl_easy_setopt(handle, CURLOPT_PROXYPASSWORD, request.proxy->password.c_str());
    }
  } else {
    // Only the proxy the user chose: none from the environment either.
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
  }
  struct curl_slist* headers = nullptr;
  for (const std::string& h : request.headers) headers = curl_slist_append(headers, h.c_str());
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);
  return headers;
}

std::string reasonPhrase(const std::string& statusLine, long status) {
  // "HTTP/1.1 404 Not Found": the text after the second blank.
  const std::size_t first = statusLine.find(' ');
  if (first != std::string::npos) {
    const std::size_t second = statusLine.find(' ', first + 1);
    if (second != std::string::npos && second + 1 < statusLine.size()) return statusLine.substr(second + 1);
  }
  static const std::map<long, const char*> known{
      {200, "OK"},
      {301, "Moved Permanently"},
      {302, "Found"},
      {303, "See Other"},
      {307, "Temporary Redirect"},
      {308, "Permanent Redirect"},
      {400, "Bad Request"},
      {401, "Unauthorized"},
      {403, "Forbidden"},
      {404, "Not Found"},
      {410, "Gone"},
      {429, "Too Many Requests"},
      {500, "Internal Server Error"},
      {502, "Bad Gateway"},
      {503, "Service Unavailable"},
      {504, "Gateway Timeout"},
  };
  const auto it = known.find(status);
  return it == known.end() ? std::string() : it->second;
}

HttpClient::HttpClient() {
  initialiseNetwork();
  handle_ = curl_easy_init();
}

HttpClient::~HttpClient() { curl_easy_cleanup(handle_); }

HttpResult HttpClient::get(const HttpRequest& request, const BodySink& sink, const std::atomic<bool>* abort) {
  HttpResult result;
  if (!handle_) {
    result.error = "The network library could not be started.";
    return result;
  }
  curl_easy_reset(handle_);  // keeps the connection cache
  Transfer t;
  t.sink = &sink;
  t.abort = abort;
  struct curl_slist* headers = applyRequestOptions(handle_, request);
  char errorText[CURL_ERROR_SIZE] = {};
  curl_easy_setopt(handle_, CURLOPT_ERRORBUFFER, errorText);
  curl_easy_setopt(handle_, CURLOPT_WRITEFUNCTION, onBody);
  curl_easy_setopt(handle_, CURLOPT_WRITEDATA, &t);
  curl_easy_setopt(handle_, CURLOPT_HEADERFUNCTION, onHeader);
  curl_easy_setopt(handle_, CURLOPT_HEADERDATA, &t);
  curl_easy_setopt(handle_, CURLOPT_XFERINFOFUNCTION, onProgress);
  curl_easy_setopt(handle_, CURLOPT_XFERINFODATA, &t);
  curl_easy_setopt(handle_, CURLOPT_NOPROGRESS, 0L);
  const CURLcode code = curl_easy_perform(handle_);
  curl_slist_free_all(headers);

  curl_easy_getinfo(handle_, CURLINFO_RESPONSE_CODE, &result.status);
  result.reason = reasonPhrase(t.head.statusLine, result.status);
  result.location = t.head.location;
  result.bodyBytes = t.bytes;
  if (code == CURLE_OK) {
    result.outcome = HttpResult::Outcome::Completed;
  } else if (abort && abort->load()) {
    result.outcome = HttpResult::Outcome::Aborted;
  } else {
    result.outcome = HttpResult::Outcome::Failed;
    result.timedOut = code == CURLE_OPERATION_TIMEDOUT;
    result.error =
        t.sinkStopped ? "The received data could not be stored." : (*errorText ? errorText : curl_easy_strerror(code));
  }
  return result;
}

}  // namespace markloom
