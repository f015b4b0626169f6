#pragma once
// A find-and-replace pass over a list of files on disk. Each file is streamed
// through the engine; a file in which something was replaced is swapped for its
// new content atomically (see StagedFile), a file with nothing replaced is left
// exactly as it was, modification time included.
#include <cstddef>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/findreplace/batch_installer.h"
#include "core/findreplace/replace_options.h"
#include "core/findreplace/stream_replacer.h"

namespace markloom {

enum class FileOutcome {
  Changed,
  Unchanged,
  AccessFailed,  // could not be opened for reading, or is not a writable regular file
  CreateFailed,  // its new content could not be created beside it
  NotReached,    // the pass was cancelled before or while it was processed
};

// The confirmation question for one occurrence: what is replaced by what, in
// which file, and the line it stands in. The pass fills it with bytes as it
// has them; a caller that shows it converts each part by its own rule.
struct ReplaceQuestion {
  std::string find;
  std::string replace;
  std::string path;
  std::string contextLine;
  // The question as one text of five lines, the parts as they stand.
  std::string text() const;
  bool operator==(const ReplaceQuestion&) const = default;
};

struct PassCallbacks {
  // Asked before each replacement; needed only with options.prompt.
  std::function<PromptAnswer(const ReplaceQuestion& question)> prompt;
  // "Error accessing file ..." and "Error creating file ..."; the pass goes on.
  std::function<void(const std::string& warning)> warn;
  // After each block read and after each file; returning false cancels the
  // pass (the file being processed is left as it was).
  std::function<bool(const ReplaceCounters& counters)> progress;
};

// Replaced files are made durable in batches: their new contents are written
// beside them, and a background BatchInstaller syncs the file system once for
// the batch and only then renames them over the originals, while the pass goes
// on with the next files (syncing each file alone costs a disk flush per file).
// A file is never renamed before its new content is on disk, and every batch
// is installed before the pass returns, also when it is cancelled or ends with
// an error.
class ReplacePass {
 public:
  explicit ReplacePass(ReplaceOptions options, PassCallbacks callbacks = {},
                       std::size_t blockSize = StreamReplacer::kDefaultBlockSize);
  ~ReplacePass();
  ReplacePass(const ReplacePass&) = delete;
  ReplacePass& operator=(const ReplacePass&) = delete;

  // Zeroes the counters, takes the total size, then processes the files in
  // order. Read, write and rename failures other than the two warnings raise
  // Error and end the pass; the file being processed is then left as it was.
  std::vector<FileOutcome> run(const std::vector<std::string>& paths);

  const ReplaceCounters& counters() const { return counters_; }
  // One entry per file processed so far (also after run raised an error).
  const std::vector<FileOutcome>& outcomes() const { return outcomes_; }

 private:
  FileOutcome replaceFile(const std::string& path);
  void handOff();  // gives pending_ to the installer
  void settle();   // waits for the installer; marks files it could not install; rethrows its failure

  ReplaceOptions options_;
  PassCallbacks callbacks_;
  std::size_t blockSize_;
  ReplaceCounters counters_;
  StreamReplacer engine_;  // one for the pass, so its buffers are reused
  std::vector<FileOutcome> outcomes_;
  bool cancelled_ = false;
  std::vector<BatchInstaller::Item> pending_;    // finished, not yet handed off
  std::set<std::pair<dev_t, ino_t>> replacing_;  // originals pending or being installed
  std::int64_t pendingBytes_ = 0;
  std::unique_ptr<BatchInstaller> installer_;
};

}  // namespace markloom
