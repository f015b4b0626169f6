#pragma once
// A blocking HTTP client over libcurl, meant to run on a worker thread: one
// handle kept for the client's life, so connections are reused from one
// request to the next. TLS is verified against the system's certificates.
#include <atomic>
#include <functional>
#include <string_view>

#include "platform/net/http_request.h"

namespace markloom {

class HttpClient {
 public:
  // Takes body bytes as they arrive; returning false stops the transfer (it
  // then ends as Failed with the sink's reason).
  using BodySink = std::function<bool(std::string_view piece)>;

  HttpClient();
  ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  // Runs the GET to its end. abort (may be null) stops it from another
  // thread within a fraction of a second.
  HttpResult get(const HttpRequest& request, const BodySink& sink, const std::atomic<bool>* abort = nullptr);

 private:
  CURL* handle_;
};

// libcurl's process-wide start-up, done once before any handle is made.
void initialiseNetwork();

}  // namespace markloom
