#pragma once
// Many requests at once over one libcurl multi handle: at most maxTransfers in
// flight and at most maxPerHost to one server, connections reused. A request
// is handed to libcurl only when both limits let it start, so its time-outs
// count from the moment it is sent, never while it waits its turn. Bodies are
// read and dropped, or with statusOnly not read at all. Answers 429 and 503
// can be retried after the server's Retry-After (bounded). Runs on the
// caller's thread until every request has its result or cancel is set;
// results come as they are known.
#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

#include "platform/net/http_request.h"

namespace markloom {

struct BatchLimits {
  long maxTransfers = 64;
  long maxPerHost = 32;
  int retries = 0;                  // for 429 and 503
  long longestRetryWaitMs = 10000;  // a longer Retry-After is cut to this
  // Only the status and headers are wanted: HEAD, and where the server
  // refuses or mishandles HEAD, a GET stopped when its body begins.
  bool statusOnly = false;
};

class HttpBatch {
 public:
  using OnResult = std::function<void(std::size_t index, const HttpResult& result)>;
  // Results of requests not finished when cancel is set are not reported.
  static void run(const std::vector<HttpRequest>& requests, const BatchLimits& limits, const OnResult& onResult,
                  const std::atomic<bool>* cancel = nullptr);
};

}  // namespace markloom
