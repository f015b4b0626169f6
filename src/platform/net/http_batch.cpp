#include "platform/net/http_batch.h"

#include <curl/curl.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <thread>

#include "platform/net/http_client.h"

namespace markloom {

namespace {

using Clock = std::chrono::steady_clock;

// How a job asks: a whole GET, or (for a status) HEAD first and, when the
// server will not answer HEAD properly, a GET cut off after its headers.
enum class Ask { WholeGet, Head, GetHeaders };

struct Job {
  std::size_t index = 0;
  std::string host;  // the connection key the per-host limit counts
  Ask ask = Ask::WholeGet;
  int attempts = 0;
  bool stoppedAtBody = false;
  Clock::time_point notBefore{};
  CURL* handle = nullptr;
  struct curl_slist* headers = nullptr;
  ResponseHead head;
  char error[CURL_ERROR_SIZE] = {};
};

std::size_t takeBody(char*, std::size_t size, std::size_t count, void* user) {
  auto* job = static_cast<Job*>(user);
  if (job->ask == Ask::GetHeaders) {
    // The status is known once the body starts: stop here instead of
    // reading a page that may be large or slow.
    job->stoppedAtBody = true;
    return 0;
  }
  return size * count;
}

std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* user) {
  const std::size_t n = size * count;
  readHeaderLine(static_cast<Job*>(user)->head, std::string_view(data, n));
  return n;
}

// Retry-After in seconds (the date form is treated as "soon"), in milliseconds.
long retryWaitMs(const std::string& retryAfter, long longest) {
  unsigned long long seconds = 1;
  const char* end = retryAfter.data() + retryAfter.size();
  if (auto [stop, error] = std::from_chars(retryAfter.data(), end, seconds); error != std::errc() || stop != end)
    seconds = error == std::errc::result_out_of_range ? static_cast<unsigned long long>(longest) : 1;
  const unsigned long long ms = std::min<unsigned long long>(seconds, longest / 1000 + 1) * 1000;
  return static_cast<long>(std::min<unsigned long long>(ms, static_cast<unsigned long long>(longest)));
}

// scheme://host:port of an address: transfers to one server share it.
std::string hostKey(const std::string& url) {
  std::string key;
  if (CURLU* parts = curl_url()) {
    if (curl_url_set(parts, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK) {
      for (CURLUPart part : {CURLUPART_SCHEME, CURLUPART_HOST, CURLUPART_PORT}) {
        char* text = nullptr;
        if (curl_url_get(parts, part, &text, CURLU_DEFAULT_PORT) == CURLUE_OK && text) key.append(text).push_back('|');
        curl_free(text);
      }
    }
    curl_url_cleanup(parts);
  }
  return key;
}

// A HEAD answer that may not be the page's own: servers that refuse the
// method (405, 501) or mishandle it (other errors, no answer at all) are
// asked again with a GET. Busy answers are about the server, not the method.
bool headNeedsGet(CURLcode code, long status) {
  if (code == CURLE_GOT_NOTHING || code == CURLE_WEIRD_SERVER_REPLY || code == CURLE_RECV_ERROR) return true;
  return code == CURLE_OK && status >= 400 && status != 429 && status != 503;
}

}  // namespace

void HttpBatch::run(const std::vector<HttpRequest>& requests, const BatchLimits& limits, const OnResult& onResult,
                    const std::atomic<bool>* cancel) {
  initialiseNetwork();
  CURLM* multi = curl_multi_init();
  // The limits are kept here, not by libcurl: a transfer libcurl holds back
  // would have its time-out running before it is even sent.
  curl_multi_setopt(multi, CURLMOPT_MAXCONNECTS, limits.maxTransfers);
  const long maxTransfers = std::max(1L, limits.maxTransfers);
  const long maxPerHost = std::max(1L, limits.maxPerHost);

  std::vector<std::unique_ptr<Job>> jobs;
  std::deque<Job*> waiting;
  for (std::size_t i = 0; i < requests.size(); ++i) {
    jobs.push_back(std::make_unique<Job>());
    jobs.back()->index = i;
    jobs.back()->host = hostKey(requests[i].url);
    jobs.back()->ask = limits.statusOnly ? Ask::Head : Ask::WholeGet;
    waiting.push_back(jobs.back().get());
  }
  long inFlight = 0;
  std::map<std::string, long> perHost;

  auto start = [&](Job* job) {
    if (!job->handle) job->handle = curl_easy_init();
    curl_easy_reset(job->handle);
    if (job->headers) curl_slist_free_all(job->headers);
    job->head = ResponseHead{};
    job->error[0] = '\0';
    job->stoppedAtBody = false;
    job->headers = applyRequestOptions(job->handle, requests[job->index]);
    if (job->ask == Ask::Head) curl_easy_setopt(job->handle, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(job->handle, CURLOPT_WRITEFUNCTION, takeBody);
    curl_easy_setopt(job->handle, CURLOPT_WRITEDATA, job);
    curl_easy_setopt(job->handle, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(job->handle, CURLOPT_HEADERDATA, job);
    curl_easy_setopt(job->handle, CURLOPT_ERRORBUFFER, job->error);
    curl_easy_setopt(job->handle, CURLOPT_PRIVATE, job);
    curl_multi_add_handle(multi, job->handle);
    ++perHost[job->host];
    ++inFlight;
  };

  while ((!waiting.empty() || inFlight > 0) && !(cancel && cancel->load())) {
    // Start what may start: within both limits, and not before a retry's time.
    const auto now = Clock::now();
    for (std::size_t n = waiting.size(); n > 0 && inFlight < maxTransfers; --n) {
      Job* job = waiting.front();
      waiting.pop_front();
      if (job->notBefore > now || perHost[job->host] >= maxPerHost)
        waiting.push_back(job);
      else
        start(job);
    }
    int running = 0;
    curl_multi_perform(multi, &running);
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &left)) {
      if (message->msg != CURLMSG_DONE) continue;
      Job* job = nullptr;
      curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &job);
      CURLcode code = message->data.result;
      if (code == CURLE_WRITE_ERROR && job->stoppedAtBody) code = CURLE_OK;
      curl_multi_remove_handle(multi, job->handle);
      --perHost[job->host];
      --inFlight;
      HttpResult result;
      curl_easy_getinfo(job->handle, CURLINFO_RESPONSE_CODE, &result.status);
      if (job->ask == Ask::Head && headNeedsGet(code, result.status)) {
        job->ask = Ask::GetHeaders;
        waiting.push_front(job);
        continue;
      }
      result.reason = reasonPhrase(job->head.statusLine, result.status);
      result.location = job->head.location;
      if (code == CURLE_OK) {
        result.outcome = HttpResult::Outcome::Completed;
        if ((result.status == 429 || result.status == 503) && ++job->attempts <= limits.retries) {
          job->notBefore =
              Clock::now() + std::chrono::milliseconds(retryWaitMs(job->head.retryAfter, limits.longestRetryWaitMs));
          waiting.push_back(job);
          continue;
        }
      } else {
        result.outcome = HttpResult::Outcome::Failed;
        result.error = job->error[0] ? job->error : curl_easy_strerror(code);
      }
      onResult(job->index, result);
    }
    if (inFlight > 0)
      curl_multi_poll(multi, nullptr, 0, 50, nullptr);
    else if (!waiting.empty())
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }

  for (auto& job : jobs) {
    if (job->handle) {
      curl_multi_remove_handle(multi, job->handle);
      curl_easy_cleanup(job->handle);
    }
    if (job->headers) curl_slist_free_all(job->headers);
  }
  curl_multi_cleanup(multi);
}

}  // namespace markloom
