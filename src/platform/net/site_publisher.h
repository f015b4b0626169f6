#pragma once
// Publishes a local folder to a folder of a site: lists both trees, plans
// (core/sites/publish_plan.h), then removes, creates folders and sends files
// through the transfer client, with several connections at once when asked.
// Every action is reported as a line ("put PATH", "mkdir PATH", "delete
// PATH"), every failure as a message; the record of what was sent is kept in
// a small file so that the next run sends only what changed.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "core/sites/publish_plan.h"
#include "platform/net/transfer_client.h"

namespace markloom {

struct PublishOptions {
  bool dryRun = false;
  bool removeMissing = false;
  int jobs = 1;
  // The remote folder: relative to the login folder, or absolute with a leading "/".
  std::string remoteFolder;
  // Whether to read and keep the record of sent files, one per server, user
  // and absolute remote folder (publish_record_file.h), so the window and
  // markloom-cli share it.
  bool keepRecord = true;
  TransferMode mode = TransferMode::Auto;
  std::vector<std::string> textExtensions;  // empty: the default list
};

struct PublishReport {
  bool connected = false;
  int sent = 0, made = 0, removed = 0, unchanged = 0, failed = 0;
  std::uint64_t bytes = 0;
  std::string summary() const;
};

class SitePublisher {
 public:
  using Line = std::function<void(const std::string&)>;
  // Sets up each connection's client before it connects (questions, limits).
  using ClientSetup = std::function<void(TransferClient&)>;

  SitePublisher(TransferSite site, std::string localFolder, PublishOptions options);
  void setClientSetup(ClientSetup setup) { setup_ = std::move(setup); }
  // Bytes sent of all to send, from any connection's thread.
  void setProgress(std::function<void(std::uint64_t done, std::uint64_t total)> progress) {
    progress_ = std::move(progress);
  }
  // Stops between files and the running transfers; callable from any thread.
  void cancel();
  // Whether the first connection was made (a failure after it is the site's, not the address's).
  bool connected() const { return connected_; }

  // actions gets the action lines, problems the failures. Raises Error when
  // the first connection or the remote listing fails (nothing was changed).
  PublishReport run(const Line& actions, const Line& problems);

 private:
  void sendFiles(TransferClient& first, const std::string& top, const PublishPlan& plan, const Line& actions,
                 const Line& problems, PublishReport& report, PublishRecord& record);
  void prepareClient(TransferClient& client);

  TransferSite site_;
  std::string localFolder_;
  PublishOptions options_;
  ClientSetup setup_;
  std::function<void(std::uint64_t, std::uint64_t)> progress_;
  std::atomic<bool> cancelled_{false};
  std::atomic<bool> connected_{false};
  std::vector<TransferClient*> running_;  // guarded by clientsLock_
  std::mutex clientsLock_;
};

}  // namespace markloom
