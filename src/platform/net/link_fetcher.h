#pragma once
// Fetches the web addresses of a link check, many at once, and turns each
// answer into what the check needs.
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/links/link_check.h"
#include "platform/net/http_request.h"

namespace markloom {

struct LinkFetchSettings {
  bool modern = true;  // modern rules retry 429 and 503 answers
  long jobs = 64;
  long perHost = 32;
  std::optional<HttpProxy> proxy;
  std::string certificateFile;  // see HttpRequest
  // Each address may take this long from the moment its request is sent
  // (only the status and headers are fetched, so a large page is not slow).
  long timeoutSeconds = 30;
};

// Called on the fetching thread, once per address, as answers come.
using OnWebAnswer = std::function<void(std::size_t address, const WebAnswer& answer)>;
void fetchLinkAddresses(const std::vector<std::string>& addresses, const LinkFetchSettings& settings,
                        const OnWebAnswer& onAnswer, const std::atomic<bool>* cancel = nullptr);

}  // namespace markloom
