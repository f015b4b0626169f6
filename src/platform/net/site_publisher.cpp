#include "platform/net/site_publisher.h"

#include <sys/stat.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

#include "core/common/error.h"
#include "core/sites/local_site_tree.h"
#include "core/sites/remote_path.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"
#include "platform/net/publish_record_file.h"
#include "platform/net/remote_site_tree.h"

namespace markloom {

namespace {
// The record's key: the server, the user and the absolute remote folder, the
// same whether the window or markloom-cli publishes.
std::string siteRecordKey(const TransferSite& site, const std::string& top) {
  const char* scheme = site.protocol == TransferProtocol::Sftp   ? "sftp"
                       : site.protocol == TransferProtocol::Ftps ? "ftps"
                                                                 : "ftp";
  return std::string(scheme) + "://" + site.user + "@" + site.host + ":" + std::to_string(site.port) + top;
}

std::string parentOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string within(const std::string& top, const std::string& relative) {
  return relative.empty() ? top : joinRemotePath(top, relative);
}

PublishRecord readRecord(const std::string& file, const std::string& key) {
  struct stat info {};
  if (file.empty() || ::stat(file.c_str(), &info) != 0) return {};
  try {
    return parsePublishRecord(readFile(file), key);
  } catch (const Error&) {
    return {};  // an unreadable record only means more is compared
  }
}
}  // namespace

std::string PublishReport::summary() const {
  return std::to_string(sent) + " sent (" + std::to_string(bytes) + " bytes), " + std::to_string(made) +
         " folders made, " + std::to_string(removed) + " removed, " + std::to_string(unchanged) + " unchanged, " +
         std::to_string(failed) + " failed";
}

SitePublisher::SitePublisher(TransferSite site, std::string localFolder, PublishOptions options)
    : site_(std::move(site)), localFolder_(std::move(localFolder)), options_(std::move(options)) {
  if (options_.jobs < 1) options_.jobs = 1;
}

void SitePublisher::prepareClient(TransferClient& client) {
  client.setTransferMode(options_.mode);
  if (!options_.textExtensions.empty()) client.setTextExtensions(options_.textExtensions);
  if (setup_) setup_(client);
}

void SitePublisher::cancel() {
  cancelled_ = true;
  std::lock_guard lock(clientsLock_);
  for (TransferClient* client : running_) client->cancel();
}

PublishReport SitePublisher::run(const Line& actions, const Line& problems) {
  PublishReport report;
  TransferClient first;
  prepareClient(first);
  first.connect(site_);
  report.connected = connected_ = true;
  const std::string top = options_.remoteFolder.starts_with("/")
                              ? joinRemotePath("/", options_.remoteFolder)
                              : joinRemotePath(first.loginFolder(), options_.remoteFolder);
  const std::string recordKey = siteRecordKey(site_, top);
  const std::string recordFile = options_.keepRecord ? publishRecordFile(recordKey) : std::string();
  bool exists = true;
  const SiteTree remote = listRemoteSite(first, top, exists);
  const SiteTree local = scanLocalSite(localFolder_);
  const PublishRecord before = readRecord(recordFile, recordKey);
  const PublishPlan plan = planPublish(local, remote, before, options_.removeMissing);
  report.unchanged = static_cast<int>(plan.unchanged.size());
  for (const std::string& path : plan.conflicts) {
    problems("Cannot publish " + path + ": a file on one side and a folder on the other (--delete replaces it)");
    ++report.failed;
  }
  auto attempt = [&](const std::string& line, const std::function<void()>& change) {
    actions(line);
    if (options_.dryRun) return true;
    try {
      change();
      return true;
    } catch (const Error& e) {
      problems(e.what());
      ++report.failed;
      return false;
    }
  };
  if (!exists) {
    if (!attempt("mkdir " + top, [&] { first.makeFolderAt(top); }) ) return report;
    ++report.made;
  }
  PublishRecord record = before;
  for (const SiteEntry& entry : plan.removals) {
    if (cancelled_) break;
    const std::string path = within(top, entry.path);
    if (attempt("delete " + entry.path,
                [&] { entry.folder ? first.removeFolderAt(path) : first.removeFileAt(path); })) {
      ++report.removed;
      record.erase(entry.path);
    }
  }
  for (const std::string& folder : plan.folders) {
    if (cancelled_) break;
    if (attempt("mkdir " + folder, [&] { first.makeFolderAt(within(top, folder)); })) ++report.made;
  }
  if (options_.dryRun) {
    for (const SiteEntry& file : plan.files) {
      actions("put " + file.path);
      ++report.sent;
      report.bytes += file.size;
    }
    return report;
  }
  sendFiles(first, top, plan, actions, problems, report, record);

  // The record: what each side holds now, for the files that match.
  std::map<std::string, const SiteEntry*> mine;
  for (const SiteEntry& entry : local)
    if (!entry.folder) mine.emplace(entry.path, &entry);
  std::erase_if(record, [&](const auto& kept) { return !mine.contains(kept.first); });
  std::map<std::string, const SiteEntry*> theirs;
  for (const SiteEntry& entry : remote) theirs.emplace(entry.path, &entry);
  for (const std::string& path : plan.unchanged) {
    const SiteEntry& l = *mine.at(path);
    const SiteEntry& r = *theirs.at(path);
    record[path] = {l.size, l.modified, r.size, r.modified};
  }
  std::set<std::string> touched;
  for (const auto& [path, sent] : record)
    if (sent.remoteModified == 0) touched.insert(parentOf(path));
  for (const std::string& folder : touched) {
    try {
      for (const RemoteEntry& entry : first.listAt(within(top, folder))) {
        const std::string path = folder.empty() ? entry.name : folder + "/" + entry.name;
        auto kept = record.find(path);
        if (kept == record.end() || kept->second.remoteModified != 0) continue;
        kept->second.remoteSize = entry.size;
        kept->second.remoteModified = listingSeconds(entry.modified);
      }
    } catch (const Error&) {
      // Those files are compared by size and time next run.
    }
  }
  std::erase_if(record, [](const auto& kept) { return kept.second.remoteModified == 0; });
  if (!recordFile.empty()) {
    try {
      writeFile(recordFile, formatPublishRecord(record, recordKey));
    } catch (const Error& e) {
      problems(e.what());
    }
  }
  first.disconnect();
  return report;
}

void SitePublisher::sendFiles(TransferClient& first, const std::string& top, const PublishPlan& plan,
                              const Line& actions, const Line& problems, PublishReport& report,
                              PublishRecord& record) {
  std::uint64_t total = 0;
  for (const SiteEntry& file : plan.files) total += file.size;
  std::atomic<std::size_t> next{0};
  std::mutex lock;
  std::uint64_t done = 0;
  auto work = [&](TransferClient& client) {
    while (!cancelled_) {
      const std::size_t index = next++;
      if (index >= plan.files.size()) return;
      const SiteEntry& file = plan.files[index];
      try {
        client.putAt(localFolder_ + "/" + file.path, within(top, file.path));
        std::lock_guard hold(lock);
        actions("put " + file.path);
        ++report.sent;
        report.bytes += file.size;
        // The remote side is read back after the run.
        record[file.path] = {file.size, file.modified, 0, 0};
        done += file.size;
        if (progress_) progress_(done, total);
      } catch (const std::exception& e) {
        std::lock_guard hold(lock);
        problems(e.what());
        ++report.failed;
      }
    }
  };
  auto enlist = [&](TransferClient* client, bool add) {
    std::lock_guard hold(clientsLock_);
    if (add)
      running_.push_back(client);
    else
      std::erase(running_, client);
  };
  std::vector<std::thread> helpers;
  const int jobs = std::min<int>(options_.jobs, static_cast<int>(plan.files.size()));
  for (int j = 1; j < jobs; ++j) {
    helpers.emplace_back([&] {
      TransferClient client;
      prepareClient(client);
      enlist(&client, true);
      try {
        client.connect(site_);
      } catch (const std::exception& e) {
        enlist(&client, false);
        std::lock_guard hold(lock);
        problems(e.what());  // the other connections take its share
        return;
      }
      work(client);
      enlist(&client, false);
      client.disconnect();
    });
  }
  enlist(&first, true);
  work(first);
  enlist(&first, false);
  for (std::thread& helper : helpers) helper.join();
}

}  // namespace markloom
