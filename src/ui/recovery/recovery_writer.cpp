#include "ui/recovery/recovery_writer.h"

#include <unistd.h>

#include <QtGlobal>
#include <exception>
#include <functional>

#include "core/text/file_writer.h"

namespace markloom {

RecoveryWriter::~RecoveryWriter() { stop(); }

void RecoveryWriter::write(const std::string& path, std::string content) {
  std::lock_guard lock(mutex_);
  if (stopping_) return;
  waiting_[path] = std::move(content);
  if (!thread_.joinable()) thread_ = std::thread([this] { work(); });
  changed_.notify_all();
}

void RecoveryWriter::remove(const std::string& path) {
  std::unique_lock lock(mutex_);
  waiting_.erase(path);
  // A write of this copy under way ends first (rare: the document was saved
  // or closed just as its copy was being written), so the copy is gone when
  // this returns.
  changed_.wait(lock, [&] { return !(busy_ && current_ == path); });
  writtenHash_.erase(path);
  ::unlink(path.c_str());
}

void RecoveryWriter::waitIdle() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return (waiting_.empty() && !busy_) || !thread_.joinable(); });
}

void RecoveryWriter::stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    waiting_.clear();
    changed_.notify_all();
  }
  if (thread_.joinable()) thread_.join();
}

std::size_t RecoveryWriter::written() const {
  std::lock_guard lock(mutex_);
  return written_;
}

void RecoveryWriter::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return !waiting_.empty() || stopping_; });
    if (stopping_) return;
    auto next = waiting_.begin();
    current_ = next->first;
    std::string content = std::move(next->second);
    waiting_.erase(next);
    const auto known = writtenHash_.find(current_);
    const bool haveBefore = known != writtenHash_.end();
    const std::size_t before = haveBefore ? known->second : 0;
    busy_ = true;
    lock.unlock();
    bool done = false;
    const std::size_t hash = std::hash<std::string>{}(content);
    // Nothing may leave this thread: a copy that cannot be written (a full
    // disk) is reported in the log and tried again at the next interval.
    try {
      if (!haveBefore || before != hash) {
        writeWorkFile(current_, content);
        done = true;
      }
    } catch (const std::exception& e) {
      qWarning("Markloom: recovery copy not written: %s", e.what());
    } catch (...) {
      qWarning("Markloom: recovery copy not written");
    }
    content = std::string();  // the text goes before the lock is taken again
    lock.lock();
    if (done) {
      ++written_;
      writtenHash_[current_] = hash;
    }
    busy_ = false;
    current_.clear();
    changed_.notify_all();
  }
}

}  // namespace markloom
