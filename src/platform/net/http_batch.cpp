#include "platform/net/http_batch.h"

#include <curl/curl.h>

#include <chrono>
#include <deque>
#include <memory>
#include <thread>

#include "platform/net/http_client.h"

namespace markloom {

namespace {

using Clock = std::chrono::steady_clock;

struct Job {
  std::size_t index = 0;
  int attempts = 0;
  Clock::time_point notBefore{};
  CURL* handle = nullptr;
  struct curl_slist* headers = nullptr;
  ResponseHead head;
  char error[CURL_ERROR_SIZE] = {};
};

std::size_t dropBody(char*, std::size_t size, std::size_t count, void*) { return size * count; }

std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* user) {
  const std::size_t n = size * count;
  readHeaderLine(static_cast<Job*>(user)->head, std::string_view(data, n));
  return n;
}

// Retry-After in seconds (the date form is treated as "soon"), in milliseconds.
long retryWaitMs(const std::string& retryAfter, long longest) {
  long seconds = 1;
  try {
    if (!retryAfter.empty() && retryAfter.find_first_not_of("0123456789") == std::string::npos)
      seconds = std::stol(retryAfter);
  } catch (...) {
  }
  return std::min(seconds * 1000, longest);
}

}  // namespace

void HttpBatch::run(const std::vector<HttpRequest>& requests, const BatchLimits& limits, const OnResult& onResult,
                    const std::atomic<bool>* cancel) {
  initialiseNetwork();
  CURLM* multi = curl_multi_init();
  curl_multi_setopt(multi, CURLMOPT_MAX_TOTAL_CONNECTIONS, limits.maxTransfers);
  curl_multi_setopt(multi, CURLMOPT_MAX_HOST_CONNECTIONS, limits.maxPerHost);
  curl_multi_setopt(multi, CURLMOPT_MAXCONNECTS, limits.maxTransfers);

  std::vector<std::unique_ptr<Job>> jobs;
  std::deque<Job*> waiting;
  for (std::size_t i = 0; i < requests.size(); ++i) {
    jobs.push_back(std::make_unique<Job>());
    jobs.back()->index = i;
    waiting.push_back(jobs.back().get());
  }
  long inFlight = 0;

  auto start = [&](Job* job) {
    if (!job->handle) job->handle = curl_easy_init();
    curl_easy_reset(job->handle);
    if (job->headers) curl_slist_free_all(job->headers);
    job->head = ResponseHead{};
    job->error[0] = '\0';
    job->headers = applyRequestOptions(job->handle, requests[job->index]);
    curl_easy_setopt(job->handle, CURLOPT_WRITEFUNCTION, dropBody);
    curl_easy_setopt(job->handle, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(job->handle, CURLOPT_HEADERDATA, job);
    curl_easy_setopt(job->handle, CURLOPT_ERRORBUFFER, job->error);
    curl_easy_setopt(job->handle, CURLOPT_PRIVATE, job);
    curl_multi_add_handle(multi, job->handle);
    ++job->attempts;
    ++inFlight;
  };

  while ((!waiting.empty() || inFlight > 0) && !(cancel && cancel->load())) {
    // Start what may start: within the limit, and not before a retry's time.
    const auto now = Clock::now();
    for (std::size_t n = waiting.size(); n > 0 && inFlight < limits.maxTransfers; --n) {
      Job* job = waiting.front();
      waiting.pop_front();
      if (job->notBefore > now)
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
      const CURLcode code = message->data.result;
      curl_multi_remove_handle(multi, job->handle);
      --inFlight;
      HttpResult result;
      curl_easy_getinfo(job->handle, CURLINFO_RESPONSE_CODE, &result.status);
      result.reason = reasonPhrase(job->head.statusLine, result.status);
      result.location = job->head.location;
      if (code == CURLE_OK) {
        result.outcome = HttpResult::Outcome::Completed;
        if ((result.status == 429 || result.status == 503) && job->attempts <= limits.retries) {
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
