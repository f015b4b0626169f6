#include "core/findreplace/batch_installer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "core/common/error.h"

namespace markloom {

namespace {

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// Flushes the file system holding `folder` to disk.
void syncFileSystem(const std::string& folder, bool mustSucceed) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const int err = fd < 0 ? errno : (::syncfs(fd) == 0 ? 0 : errno);
  if (fd >= 0) ::close(fd);
  if (err != 0 && mustSucceed) throw Error("Cannot write file " + folder + ": " + std::strerror(err));
}

}  // namespace

BatchInstaller::~BatchInstaller() {
  {
    std::unique_lock lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void BatchInstaller::submit(std::vector<Item> batch) {
  if (batch.empty()) return;
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return queue_.size() < 2; });
  queue_.push_back(std::move(batch));
  if (!worker_.joinable()) worker_ = std::thread([this] { work(); });
  lock.unlock();
  changed_.notify_all();
}

std::pair<std::vector<std::size_t>, std::exception_ptr> BatchInstaller::wait() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return queue_.empty() && !busy_; });
  auto result = std::make_pair(std::move(failed_), failure_);
  failed_.clear();
  failure_ = nullptr;
  return result;
}

void BatchInstaller::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return !queue_.empty() || stopping_; });
    if (queue_.empty()) return;  // stopping, nothing left
    std::vector<Item> batch = std::move(queue_.front());
    queue_.pop_front();
    busy_ = true;
    lock.unlock();
    changed_.notify_all();  // room in the queue
    install(batch);
    batch.clear();  // anything not installed is deleted here, before the pass hears of it
    lock.lock();
    busy_ = false;
    changed_.notify_all();
  }
}

void BatchInstaller::install(std::vector<Item>& batch) {
  std::vector<std::size_t> failed;
  std::exception_ptr failure;
  std::vector<std::pair<dev_t, std::string>> fileSystems;
  for (const auto& item : batch) {
    bool known = false;
    for (const auto& fs : fileSystems) known = known || fs.first == item.file->device();
    if (!known) fileSystems.emplace_back(item.file->device(), folderOf(item.file->target()));
  }
  try {
    for (const auto& fs : fileSystems) syncFileSystem(fs.second, true);
    // A file that cannot be renamed stays as it was; the others are still installed.
    for (auto& item : batch) {
      try {
        item.file->install(backup_);
      } catch (...) {
        failed.push_back(item.index);
        if (!failure) failure = std::current_exception();
      }
    }
    for (const auto& fs : fileSystems) syncFileSystem(fs.second, false);  // the renames
  } catch (...) {
    // The new contents could not be made durable: none of them is installed.
    for (const auto& item : batch) failed.push_back(item.index);
    failure = std::current_exception();
  }
  std::lock_guard guard(mutex_);
  failed_.insert(failed_.end(), failed.begin(), failed.end());
  if (!failure_) failure_ = failure;
}

}  // namespace markloom
