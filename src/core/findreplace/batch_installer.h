#pragma once
// Installs finished replacements in the background, batch by batch, so that
// waiting for the disk overlaps with reading and writing the next files. For
// each batch the file systems involved are synced once (every new content is
// on disk), then each new content is renamed over its original (see
// StagedFile::install), then the file systems are synced again for the renames.
// A file is never renamed before its new content is on disk.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "core/findreplace/staged_file.h"

namespace markloom {

class BatchInstaller {
 public:
  struct Item {
    std::size_t index;  // the caller's number for the file
    std::unique_ptr<StagedFile> file;
  };

  explicit BatchInstaller(bool backup) : backup_(backup) {}
  ~BatchInstaller();  // waits for the batches handed over
  BatchInstaller(const BatchInstaller&) = delete;
  BatchInstaller& operator=(const BatchInstaller&) = delete;

  // Hands a batch over; waits while two batches are already waiting, so that
  // no more than a few batches of new contents sit on disk beside their
  // originals.
  void submit(std::vector<Item> batch);

  // Waits until everything handed over is installed (or has failed). Returns
  // the numbers of the files that could not be installed (they stay as they
  // were) and the first failure, if any.
  std::pair<std::vector<std::size_t>, std::exception_ptr> wait();

 private:
  void work();
  void install(std::vector<Item>& batch);

  const bool backup_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::vector<Item>> queue_;
  bool busy_ = false;
  bool stopping_ = false;
  std::vector<std::size_t> failed_;
  std::exception_ptr failure_;
  std::thread worker_;
};

}  // namespace markloom
