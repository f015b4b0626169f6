#pragma once
// The journal that makes an in-place write survive a kill.
//
// A file written in place (it has other hard links, its folder may not be
// written, or a new copy could not be given its owner) is overwritten through
// its own inode, so a process killed half-way would leave it part new, part
// old. Before the first byte goes to the file, the whole new content is put in
// the journal folder and synced, then a small record naming the file (path,
// device and inode, length and checksum of the new content, and a checksum of
// the record itself) is written and synced. Only then is the file overwritten;
// once that is synced the record and the copy are removed.
//
// A record left behind by a killed run is settled by the next writer of that
// file (writeFile, the multi-file replace) and at the editor's start: when the
// record and the copy are whole, the copy is written into the file (rolled
// forward); otherwise the file was not yet touched and is left as it is. A
// record only ever writes into the file at its recorded path when that path
// still names the same device and inode.
//
// Records live in the user's own journal folder (owner-only), one per file,
// named after the file's device and inode, and held with an advisory lock while
// in use: two writers of one file take turns, and a record is never settled
// while its writer is alive.
#include <sys/stat.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace markloom::journal {

// Where the journal folder is: the program sets this once (the per-user
// folder). Without it, $XDG_STATE_HOME/markloom/journal (or
// ~/.local/state/markloom/journal) is used. The folder is created owner-only.
void setFolderSource(std::function<std::string()> source);

// The journal folder, created when missing; empty with errno set when it
// cannot be made.
std::string folder();

// Finishes or drops an interrupted in-place write of the file st describes
// (known here as path), if the journal holds one. Nothing to do costs one stat.
void settle(const std::string& path, const struct stat& st);

// settle() for whatever file path names now (links followed), when it is a
// regular file: for readers that should never show a torn file.
void settleFile(const std::string& path);

// Settles every record in the journal: at the editor's start. Returns the
// paths of the files that were finished from their journaled copy.
std::vector<std::string> finishInterruptedWrites();

// One in-place write of an open regular file. begin() journals the new content;
// the caller then overwrites the file and calls finished() once the file is
// whole again (new, or old after a failed write was undone). Dropped without
// finished(), the record stays for the next run to roll forward.
class Entry {
 public:
  Entry() = default;
  ~Entry();
  Entry(const Entry&) = delete;
  Entry& operator=(const Entry&) = delete;

  // fd: the file, open for writing; st: its status; path: its name, recorded
  // for the editor's start. Returns 0, or the errno that says why the content
  // could not be journaled (the file is then untouched).
  int begin(int fd, const struct stat& st, const std::string& path, const std::string& bytes);
  void finished();
  // The journal folder begin() used or tried, for messages.
  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;
  std::string record_;
  std::string copy_;
  int lock_ = -1;
};

}  // namespace markloom::journal
