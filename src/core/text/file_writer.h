#pragma once
// The one way we replace a file on disk, for the user's files and our own.
//
// The new bytes go to a sibling that is synced and renamed over the file, so a
// reader sees the old file or the new one, never half of either. Around that:
// - a symbolic link is followed and its target is written; the link stays; a
//   link another user planted in a shared sticky folder (/tmp) is refused;
// - anything that is not a regular file (FIFO, device, socket, folder) is
//   refused, never replaced;
// - a file this process may not write is refused, even where the folder would
//   allow a rename (root writes anything, as with every other tool);
// - permission bits, owner and group are kept; when the sibling cannot be given
//   the file's owner or group, the file is written in place instead, so its
//   owner never changes silently;
// - extended attributes (access lists, user.* and security.* labels) are
//   copied onto the sibling; when one cannot be, the file is written in place;
// - a file with other hard links, or one in a folder we cannot write to, is
//   written in place once the whole new content is in hand, journaled first
//   (write_journal.h) so that a kill leaves it whole; should that write fail,
//   the old content is put back;
// - staging siblings a killed run left in the folder are swept first, and an
//   in-place write of the file a killed run left unfinished is finished first;
// - the sibling's name is shortened to fit when the file's name is long.
// Every failure raises "Cannot create file <path>: <system's reason>" and leaves
// the file as it was.
#include <sys/stat.h>
#include <sys/types.h>

#include <functional>
#include <string>

namespace markloom {

struct WriteOptions {
  // Work files hold copies of the user's pages: owner-only, whatever was there.
  bool ownerOnly = false;
};

void writeFile(const std::string& path, const std::string& bytes, const WriteOptions& options = {});

// Whether writeFile could replace path, by the same rules, without writing:
// raises the same "Cannot create file <path>: <reason>" it would (for a new
// file, when its folder is missing or not writable). For work that must know
// before it starts, such as a download.
void checkReplaceable(const std::string& path);

// A program work file (Compr.tmp, tidy.tmp, ...): written as above, mode 0600.
void writeWorkFile(const std::string& path, const std::string& bytes);

// Whether this process may write an existing file or folder: 0, or the errno
// that says why not. The default asks the system (access W_OK). Tests running as root install
// a probe that judges by the permission bits, as for an ordinary user.
using WriteAccessProbe = std::function<int(const std::string& path)>;
void setWriteAccessProbe(WriteAccessProbe probe);  // empty restores the default

// The probe's answer for path (see above).
int writeAccess(const std::string& path);

// Whether writeFile writes the existing regular file target (links already
// followed, status st) in place: it has other hard links, or its folder may
// not be written. Writers that stream their own sibling follow the same rule.
bool writtenInPlace(const std::string& target, const struct stat& st);

// The file a write of path lands in: path with the symbolic links on its end
// followed, by the rule for links in shared folders (a link in a sticky folder
// everyone may write to is followed only when it is ours or the folder
// owner's). Raises "Cannot create file <path>: <link> is a link in a shared
// folder owned by another user" otherwise.
std::string linkTarget(const std::string& path);

// The sibling name used while replacing path's base name: fits NAME_MAX.
std::string stagingName(const std::string& baseName);

}  // namespace markloom
