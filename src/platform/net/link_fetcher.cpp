#include "platform/net/link_fetcher.h"

#include <algorithm>

#include "platform/net/http_batch.h"

namespace markloom {

void fetchLinkAddresses(const std::vector<std::string>& addresses, const LinkFetchSettings& settings,
                        const OnWebAnswer& onAnswer, const std::atomic<bool>* cancel) {
  std::vector<HttpRequest> requests;
  requests.reserve(addresses.size());
  for (const std::string& address : addresses) {
    HttpRequest r;
    r.url = address;
    r.headers = {"Accept: text/html, */*", "User-Agent: Tarnwell Corvane Engine 5.0"};
    r.followRedirects = false;
    r.connectTimeoutSeconds = std::min(10L, std::max(1L, settings.timeoutSeconds));
    r.totalTimeoutSeconds = std::max(1L, settings.timeoutSeconds);
    r.proxy = settings.proxy;
    r.certificateFile = settings.certificateFile;
    requests.push_back(std::move(r));
  }
  BatchLimits limits;
  limits.maxTransfers = settings.jobs > 0 ? settings.jobs : 1;
  limits.maxPerHost = settings.perHost > 0 ? settings.perHost : 1;
  limits.retries = settings.modern ? 2 : 0;
  limits.statusOnly = true;
  HttpBatch::run(
      requests, limits,
      [&](std::size_t index, const HttpResult& result) {
        WebAnswer answer;
        answer.answered = result.outcome == HttpResult::Outcome::Completed;
        answer.status = result.status;
        answer.reason = result.reason;
        answer.location = result.location;
        answer.error = result.error;
        onAnswer(index, answer);
      },
      cancel);
}

}  // namespace markloom
