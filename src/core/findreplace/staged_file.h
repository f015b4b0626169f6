#pragma once
// The new content of a file being replaced, by the file writer's rules
// (core/text/file_writer.h). It is written to a uniquely named, locked sibling
// (so that no file of the user's, whatever its name, is ever overwritten), and
// only when it is complete and flushed to disk is it renamed over the
// original, with the original's permission bits, owner and group. Until then
// the original is never opened for writing; a staged file dropped before
// commit() is deleted. The sibling carries the original's extended attributes
// (access list, labels). Where the writer writes in place (a file with other
// hard links, a folder we may not write, an owner or an attribute the sibling
// cannot be given), the new content is gathered in memory and handed to the
// writer at install, which journals it.
#include <sys/stat.h>

#include <cstdint>
#include <string>

#include "core/findreplace/stream_replacer.h"

namespace markloom {

class StagedFile : public ReplaceOutput {
 public:
  // target: the file to replace (a resolved path, not a symbolic link);
  // original: its status, for permissions and owner.
  StagedFile(std::string target, const struct stat& original);
  ~StagedFile() override;
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  // Creates the sibling; false (with nothing created) when that fails.
  bool create();
  // The sibling's name pattern, for messages.
  const std::string& tempPattern() const { return pattern_; }

  // Copies the first `size` bytes of the open file `fd` (read with pread, so
  // the descriptor's position is left alone). Raises Error on failure.
  void copyFrom(int fd, std::int64_t size);
  void write(const char* data, std::size_t size) override;

  // Completes the sibling and renames it over the target, durably: the same as
  // finish(true), install(backup), then flushing the folder.
  void commit(bool backup);

  // The two halves of commit, for callers that make many files durable at
  // once (one file-system sync instead of one per file): finish writes out
  // and closes the sibling, flushed to disk when `durable`; install renames it
  // over the target. With backup the original first becomes target + ".bak"
  // (an older backup is replaced); the target path names the original or the
  // new content at every moment. Both raise Error on failure, leaving the
  // original in place.
  void finish(bool durable);
  void install(bool backup);

  const std::string& target() const { return target_; }
  dev_t device() const { return original_.st_dev; }
  ino_t inode() const { return original_.st_ino; }

 private:
  void flush();
  void discard();
  void makeBackup();

  std::string target_;
  struct stat original_;
  std::string pattern_;
  std::string temp_;
  int fd_ = -1;
  int ticket_ = -1;  // the sibling's entry among the staging files in flight
  bool inPlace_ = false;
  std::string buffer_;  // in place: the whole new content
  bool committed_ = false;
};

}  // namespace markloom
