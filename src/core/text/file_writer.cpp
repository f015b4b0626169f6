#include "core/text/file_writer.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/text/staging_files.h"
#include "core/text/write_journal.h"
#include "core/text/xattr_copy.h"

namespace markloom {

namespace {

WriteAccessProbe& probeSlot() {
  static WriteAccessProbe probe;
  return probe;
}

int mayWrite(const std::string& path) {
  if (const WriteAccessProbe& probe = probeSlot()) return probe(path);
  return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

[[noreturn]] void fail(const std::string& path, int error) {
  throw cannotCreateFile(path, std::strerror(error != 0 ? error : EIO));
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A link in a sticky folder that everyone may write to (/tmp) is followed only
// when it belongs to us or to the folder's owner, as the kernel's own rule for
// such folders has it: anyone may plant a link there, pointing at a file of ours.
void refusePlantedLink(const std::string& userPath, const std::string& link, const struct stat& linkStat) {
  if (linkStat.st_uid == ::geteuid()) return;
  struct stat folder {};
  if (::stat(folderOf(link).c_str(), &folder) != 0) return;
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  if (!shared || linkStat.st_uid == folder.st_uid) return;
  throw cannotCreateFile(userPath, link + " is a link in a shared folder owned by another user");
}

// The file a save lands in: path with every symbolic link on its end followed.
// A dangling link yields the missing target, which the save then creates.
std::string followLinks(const std::string& userPath) {
  std::string path = userPath;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    refusePlantedLink(userPath, path, st);
    std::vector<char> target(PATH_MAX + 1);
    const ssize_t got = ::readlink(path.c_str(), target.data(), PATH_MAX);
    if (got < 0) fail(userPath, errno);
    const std::string link(target.data(), static_cast<std::size_t>(got));
    path = !link.empty() && link[0] == '/' ? link : folderOf(path) + "/" + link;
  }
  fail(userPath, ELOOP);
}

const char* kindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a plain file";
}

bool writeAllAt(int fd, const char* data, std::size_t size, off_t at) {
  while (size > 0) {
    const ssize_t put = ::pwrite(fd, data, size, at);
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (put == 0) {
      errno = ENOSPC;
      return false;
    }
    data += put;
    at += put;
    size -= static_cast<std::size_t>(put);
  }
  return true;
}

// Reads the file back and compares it with bytes.
bool holds(int fd, const std::string& bytes) {
  std::vector<char> piece(1 << 16);
  std::size_t at = 0;
  for (;;) {
    const ssize_t got = ::pread(fd, piece.data(), piece.size(), static_cast<off_t>(at));
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) break;
    const auto n = static_cast<std::size_t>(got);
    if (at + n > bytes.size() || std::memcmp(piece.data(), bytes.data() + at, n) != 0) {
      errno = EIO;
      return false;
    }
    at += n;
  }
  if (at != bytes.size()) errno = EIO;
  return at == bytes.size();
}

bool putContent(int fd, const std::string& bytes) {
  return writeAllAt(fd, bytes.data(), bytes.size(), 0) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
         ::fsync(fd) == 0 && holds(fd, bytes);
}

// Overwrites the existing file's own inode: its links, owner and folder stay as
// they are. The new content is journaled first (write_journal.h), so a kill at
// any point leaves the next run something to finish; the old content is kept in
// memory and put back if the write fails.
void writeInPlace(const std::string& userPath, const std::string& target, const struct stat& before,
                  const std::string& bytes, const WriteOptions& options) {
  std::string original;
  try {
    original = readFile(target);
  } catch (const Error&) {
    fail(userPath, errno != 0 ? errno : EACCES);  // without it a failed write could not be undone
  }
  const int fd = ::open(target.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) fail(userPath, errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || st.st_ino != before.st_ino || st.st_dev != before.st_dev || !S_ISREG(st.st_mode)) {
    const int error = errno != 0 ? errno : EAGAIN;
    ::close(fd);
    fail(userPath, error);
  }
  journal::Entry entry;
  if (const int error = entry.begin(fd, st, target, bytes)) {
    ::close(fd);
    throw cannotCreateFile(userPath, "the new content cannot be journaled in " + entry.folder() + " (" +
                                         std::strerror(error) + ")");
  }
  // From the first byte written until the content is whole (new or, after a
  // failure, old again), an interrupting signal waits.
  const staging::Unbroken unbroken;
  // Room first, so a full disk stops us before the old content is touched.
  // The size stays as it is, so the file holds nothing but its old content
  // until the copy starts.
  if (bytes.size() > static_cast<std::size_t>(st.st_size) &&
      ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 && errno != EOPNOTSUPP &&
      errno != EINVAL) {
    const int error = errno;
    entry.finished();
    ::close(fd);
    fail(userPath, error);
  }
  if (!putContent(fd, bytes)) {
    const int error = errno;
    // Whole again only when the old content went back; otherwise the record
    // stays and the next run finishes the new content.
    if (putContent(fd, original)) entry.finished();
    ::close(fd);
    fail(userPath, error);
  }
  entry.finished();
  if (options.ownerOnly) ::fchmod(fd, 0600);
  if (::close(fd) != 0) fail(userPath, errno);
}

enum class Sibling { Done, NotKept };

// Writes a synced sibling and renames it over target.
Sibling replaceThroughSibling(const std::string& userPath, const std::string& target, const struct stat* before,
                              const std::string& bytes, const WriteOptions& options) {
  mode_t mode = 0600;
  if (!options.ownerOnly) {
    if (before) {
      mode = before->st_mode & 07777;
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }
  }
  std::string temp = folderOf(target) + "/" + stagingName(baseOf(target));
  int ticket = -1;
  // Locked until renamed, so that no other run takes it for a leftover.
  const int fd = staging::createLocked(temp, ticket);
  if (fd < 0) fail(userPath, errno);
  auto drop = [&] {
    ::unlink(temp.c_str());
    staging::untrack(ticket);
    ::close(fd);
  };
  auto abandon = [&](int error) {
    drop();
    fail(userPath, error);
  };
  if (before && (before->st_uid != ::geteuid() || before->st_gid != ::getegid()) &&
      ::fchown(fd, before->st_uid, before->st_gid) != 0) {
    drop();
    return Sibling::NotKept;
  }
  // After fchown, which clears set-id bits.
  if (::fchmod(fd, mode) != 0) abandon(errno);
  // After fchmod: an access list sets the group bits (its mask) to the file's.
  if (before && !options.ownerOnly && copyExtendedAttributes(target, fd) != 0) {
    drop();
    return Sibling::NotKept;
  }
  if (!writeAllAt(fd, bytes.data(), bytes.size(), 0) || ::fsync(fd) != 0) abandon(errno);
  if (::rename(temp.c_str(), target.c_str()) != 0) abandon(errno);
  staging::untrack(ticket);
  ::close(fd);  // the content was confirmed by fsync; the file is already replaced
  const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return Sibling::Done;
}

}  // namespace

std::string stagingName(const std::string& baseName) {
  static constexpr std::string_view kSuffix = ".mkXXXXXX";
  const std::size_t room = NAME_MAX - 1 - kSuffix.size();
  std::size_t keep = baseName.size();
  if (keep > room) {
    keep = room;
    // Never cut a UTF-8 sequence in two.
    while (keep > 0 && (static_cast<unsigned char>(baseName[keep]) & 0xC0) == 0x80) --keep;
  }
  return "." + baseName.substr(0, keep) + std::string(kSuffix);
}

void setWriteAccessProbe(WriteAccessProbe probe) { probeSlot() = std::move(probe); }

int writeAccess(const std::string& path) { return mayWrite(path); }

bool writtenInPlace(const std::string& target, const struct stat& st) {
  return st.st_nlink > 1 || mayWrite(folderOf(target)) != 0;
}

namespace {

// The file a write of path lands in, refused as writeFile refuses it.
struct Target {
  std::string path;
  struct stat st {};
  bool exists = false;
};

Target checkTarget(const std::string& path) {
  if (path.empty()) fail(path, ENOENT);
  Target t;
  t.path = followLinks(path);
  t.exists = ::lstat(t.path.c_str(), &t.st) == 0;
  if (!t.exists && errno != ENOENT) fail(path, errno);
  if (!t.exists) return t;
  if (S_ISDIR(t.st.st_mode)) fail(path, EISDIR);
  if (!S_ISREG(t.st.st_mode))
    throw cannotCreateFile(path, std::string("not a regular file (") + kindOf(t.st.st_mode) + ")");
  if (const int refused = mayWrite(t.path)) fail(path, refused);
  return t;
}

}  // namespace

void checkReplaceable(const std::string& path) {
  const Target t = checkTarget(path);
  if (!t.exists)
    if (const int refused = mayWrite(folderOf(t.path))) fail(path, refused);
}

namespace {

void prepareToWrite(const std::string& target, struct stat* st) {
  staging::sweepOnce(folderOf(target));
  if (!st) return;
  // A write of this file a killed run left unfinished is finished first, so
  // that its other names, and the content kept for undoing a failure, are whole.
  journal::settle(target, *st);
  ::lstat(target.c_str(), st);
}

}  // namespace

std::string linkTarget(const std::string& path) { return followLinks(path); }

void writeFile(const std::string& path, const std::string& bytes, const WriteOptions& options) {
  Target checked = checkTarget(path);
  const std::string& target = checked.path;
  struct stat& st = checked.st;
  prepareToWrite(target, checked.exists ? &st : nullptr);
  if (!checked.exists) {
    replaceThroughSibling(path, target, nullptr, bytes, options);
    return;
  }
  if (writtenInPlace(target, st) || replaceThroughSibling(path, target, &st, bytes, options) == Sibling::NotKept)
    writeInPlace(path, target, st, bytes, options);
}

void writeWorkFile(const std::string& path, const std::string& bytes) {
  writeFile(path, bytes, WriteOptions{.ownerOnly = true});
}

void writeFileAtomically(const std::string& path, const std::string& bytes) { writeFile(path, bytes); }

}  // namespace markloom
