#pragma once
// Writes recovery copies on a thread of its own, so that the copy of a large
// document never holds up the window. Copies go through the file writer
// (owner-only work files, whole or not at all). Only the newest text of a
// copy waits to be written: a newer one replaces it; a text the same as the
// one last written there (by its hash) is not written again. Removing a copy drops
// its waiting text and waits for a write of it under way, so a copy given up
// is gone at once and never comes back.
#include <condition_variable>
#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace markloom {

class RecoveryWriter {
 public:
  RecoveryWriter() = default;
  ~RecoveryWriter();  // stop()
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  void write(const std::string& path, std::string content);
  // Removes the copy (after a write of it under way).
  void remove(const std::string& path);
  // Returns once nothing waits and nothing is being written.
  void waitIdle();
  // Drops what waits and waits for the write under way; no later write runs.
  void stop();
  // How many copies have been written so far (texts that were the same as
  // their copy's are not counted: they were not written).
  std::size_t written() const;

 private:
  void work();

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::map<std::string, std::string> waiting_;    // the newest text of each copy
  std::map<std::string, std::size_t> writtenHash_;  // of the text each copy holds
  std::string current_;  // the copy being written
  bool busy_ = false;
  bool stopping_ = false;
  std::size_t written_ = 0;
  std::thread thread_;
};

}  // namespace markloom
