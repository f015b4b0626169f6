#include "core/text/write_journal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "core/text/staging_files.h"

namespace markloom::journal {

namespace {

constexpr const char* kRecordSuffix = ".journal";
constexpr const char* kCopySuffix = ".new";
constexpr const char* kMagic = "markloom-journal-1";
// How long a writer waits for another writer of the same file.
constexpr int kLockAttempts = 200;
constexpr auto kLockPause = std::chrono::milliseconds(50);

std::function<std::string()>& sourceSlot() {
  static std::function<std::string()> source;
  return source;
}

std::mutex& folderMutex() {
  static std::mutex m;
  return m;
}

std::string defaultFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state && state[0] == '/') return std::string(state) + "/markloom/journal";
  const char* home = std::getenv("HOME");
  if (!home || home[0] != '/') return {};
  return std::string(home) + "/.local/state/markloom/journal";
}

// Creates path and the folders on the way, each owner-only when made here.
bool makeFolders(const std::string& path) {
  for (std::size_t at = 1; at <= path.size(); ++at) {
    if (at != path.size() && path[at] != '/') continue;
    const std::string part = path.substr(0, at);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  // The journal holds copies of the user's files: only a folder of the user's
  // own that nobody else may write to will do (not a link to one).
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return false;
  if (!S_ISDIR(st.st_mode)) {
    errno = ENOTDIR;
    return false;
  }
  if (st.st_uid != ::geteuid() || (st.st_mode & 022) != 0) {
    errno = EACCES;
    return false;
  }
  return true;
}

std::uint64_t checksum(const char* data, std::size_t size, std::uint64_t sum = 14695981039346656037ULL) {
  for (std::size_t i = 0; i < size; ++i) {
    sum ^= static_cast<unsigned char>(data[i]);
    sum *= 1099511628211ULL;
  }
  return sum;
}

std::string keyOf(dev_t device, ino_t inode) {
  char key[64];
  std::snprintf(key, sizeof key, "%" PRIxMAX "-%" PRIxMAX, static_cast<std::uintmax_t>(device),
                static_cast<std::uintmax_t>(inode));
  return key;
}

struct Record {
  dev_t device = 0;
  ino_t inode = 0;
  std::uint64_t size = 0;
  std::uint64_t sum = 0;
  std::string path;
};

// "<magic> <dev> <ino> <size> <sum> <path length>\n<path>\n<checksum of all before>\n"
std::string encode(const Record& r) {
  char head[200];
  std::snprintf(head, sizeof head, "%s %" PRIuMAX " %" PRIuMAX " %" PRIu64 " %016" PRIx64 " %zu\n", kMagic,
                static_cast<std::uintmax_t>(r.device), static_cast<std::uintmax_t>(r.inode), r.size, r.sum,
                r.path.size());
  std::string text = head + r.path + "\n";
  char tail[32];
  std::snprintf(tail, sizeof tail, "%016" PRIx64 "\n", checksum(text.data(), text.size()));
  return text + tail;
}

// False for a torn or foreign record.
bool decode(const std::string& text, Record& r) {
  const std::size_t headEnd = text.find('\n');
  if (headEnd == std::string::npos) return false;
  char magic[32] = {};
  std::uintmax_t device = 0;
  std::uintmax_t inode = 0;
  std::size_t pathLength = 0;
  const std::string head = text.substr(0, headEnd);
  if (std::sscanf(head.c_str(), "%31s %" SCNuMAX " %" SCNuMAX " %" SCNu64 " %" SCNx64 " %zu", magic, &device, &inode,
                  &r.size, &r.sum, &pathLength) != 6 ||
      std::strcmp(magic, kMagic) != 0)
    return false;
  const std::size_t pathEnd = headEnd + 1 + pathLength;
  if (pathEnd + 1 + 17 != text.size() || text[pathEnd] != '\n') return false;
  char tail[32];
  std::snprintf(tail, sizeof tail, "%016" PRIx64 "\n", checksum(text.data(), pathEnd + 1));
  if (text.compare(pathEnd + 1, std::string::npos, tail) != 0) return false;
  r.device = static_cast<dev_t>(device);
  r.inode = static_cast<ino_t>(inode);
  r.path = text.substr(headEnd + 1, pathLength);
  return true;
}

bool readAll(int fd, std::string& out) {
  out.clear();
  char piece[1 << 16];
  for (off_t at = 0;;) {
    const ssize_t got = ::pread(fd, piece, sizeof piece, at);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    out.append(piece, static_cast<std::size_t>(got));
    at += got;
  }
}

bool writeAllAt(int fd, const char* data, std::size_t size, off_t at) {
  while (size > 0) {
    const ssize_t put = ::pwrite(fd, data, size, at);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = ENOSPC;
      return false;
    }
    data += put;
    at += put;
    size -= static_cast<std::size_t>(put);
  }
  return true;
}

void syncFolder(const std::string& path) {
  const int dir = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);
  ::close(dir);
}

// The record's lock: its file opened (created when create) and locked, the
// same file that is under its name. -1 with errno when it cannot be had
// (ENOENT: no record; EBUSY: another writer holds it, past the wait when
// create, at once otherwise: a live writer finishes its own record).
int lockRecord(const std::string& record, bool create) {
  const int attempts = create ? kLockAttempts : 1;
  for (int attempt = 0; attempt < attempts; ++attempt) {
    const int fd = ::open(record.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT : 0), 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      struct stat held {};
      struct stat named {};
      if (::fstat(fd, &held) == 0 && ::stat(record.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
          held.st_dev == named.st_dev)
        return fd;
      ::close(fd);  // settled and removed meanwhile: take the name afresh
      if (!create) {
        errno = ENOENT;
        return -1;
      }
      continue;
    }
    const int error = errno;
    ::close(fd);
    if (error != EWOULDBLOCK) {
      errno = error;
      return -1;
    }
    if (attempt + 1 < attempts) std::this_thread::sleep_for(kLockPause);
  }
  errno = EBUSY;
  return -1;
}

// Whether the copy holds exactly what the record says.
bool copyIsWhole(int copy, const Record& r) {
  struct stat st {};
  if (::fstat(copy, &st) != 0 || static_cast<std::uint64_t>(st.st_size) != r.size) return false;
  std::vector<char> piece(1 << 16);
  std::uint64_t sum = 14695981039346656037ULL;
  for (off_t at = 0;;) {
    const ssize_t got = ::pread(copy, piece.data(), piece.size(), at);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return static_cast<std::uint64_t>(at) == r.size && sum == r.sum;
    sum = checksum(piece.data(), static_cast<std::size_t>(got), sum);
    at += got;
  }
}

// Writes the copy over target, in place, and syncs it.
bool rollForward(int copy, int target, std::uint64_t size) {
  const staging::Unbroken unbroken;
  std::vector<char> piece(1 << 16);
  for (off_t at = 0;;) {
    const ssize_t got = ::pread(copy, piece.data(), piece.size(), at);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    if (!writeAllAt(target, piece.data(), static_cast<std::size_t>(got), at)) return false;
    at += got;
  }
  return ::ftruncate(target, static_cast<off_t>(size)) == 0 && ::fsync(target) == 0;
}

void drop(const std::string& record, const std::string& copy) {
  ::unlink(copy.c_str());
  ::unlink(record.c_str());
}

// With the record's lock held: finishes the write it describes into target
// (an open descriptor of the recorded file, or -1 to open the recorded path),
// or drops it. Returns the finished file's path, empty otherwise. A record
// whose file cannot be written now is kept for later.
std::string settleLocked(int lock, const std::string& record, const std::string& copy, int target) {
  std::string text;
  Record r;
  if (!readAll(lock, text) || !decode(text, r)) {
    drop(record, copy);  // torn: the file was not yet touched
    return {};
  }
  const int copyFd = ::open(copy.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (copyFd < 0 || !copyIsWhole(copyFd, r)) {
    if (copyFd >= 0) ::close(copyFd);
    drop(record, copy);  // the copy is not whole: the file was not yet touched
    return {};
  }
  // The recorded path must still name the recorded file.
  struct stat named {};
  if (::stat(r.path.c_str(), &named) != 0 || named.st_dev != r.device || named.st_ino != r.inode ||
      !S_ISREG(named.st_mode)) {
    ::close(copyFd);
    drop(record, copy);
    return {};
  }
  const bool own = target < 0;
  if (own) target = ::open(r.path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  struct stat st {};
  const bool same =
      target >= 0 && ::fstat(target, &st) == 0 && st.st_dev == r.device && st.st_ino == r.inode && S_ISREG(st.st_mode);
  const bool done = same && rollForward(copyFd, target, r.size);
  ::close(copyFd);
  if (own && target >= 0) ::close(target);
  if (!done) return {};
  drop(record, copy);
  return r.path;
}

}  // namespace

void setFolderSource(std::function<std::string()> source) {
  const std::lock_guard<std::mutex> hold(folderMutex());
  sourceSlot() = std::move(source);
}

namespace {

// The journal folder as configured, not yet created.
std::string configuredFolder() {
  std::function<std::string()> source;
  {
    const std::lock_guard<std::mutex> hold(folderMutex());
    source = sourceSlot();
  }
  std::string path = source ? source() : defaultFolder();
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::string folder() {
  const std::string path = configuredFolder();
  if (path.empty()) {
    errno = ENOENT;
    return {};
  }
  if (!makeFolders(path)) return {};
  return path;
}

void settle(const std::string& path, const struct stat& st) {
  // Not created here: without a folder there is no record.
  const std::string where = configuredFolder();
  if (where.empty()) return;
  const std::string base = where + "/" + keyOf(st.st_dev, st.st_ino);
  const std::string record = base + kRecordSuffix;
  struct stat present {};
  if (::lstat(record.c_str(), &present) != 0) return;
  const int lock = lockRecord(record, false);
  if (lock < 0) return;
  const int target = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  settleLocked(lock, record, base + kCopySuffix, target >= 0 ? target : -1);
  if (target >= 0) ::close(target);
  ::close(lock);
}

void settleFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) settle(path, st);
}

std::vector<std::string> finishInterruptedWrites() {
  std::vector<std::string> finished;
  const std::string where = configuredFolder();
  if (where.empty()) return finished;
  std::vector<std::string> keys;
  if (DIR* dir = ::opendir(where.c_str())) {
    const std::string suffix = kRecordSuffix;
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name.size() > suffix.size() && name.ends_with(suffix))
        keys.push_back(name.substr(0, name.size() - suffix.size()));
    }
    ::closedir(dir);
  }
  for (const std::string& key : keys) {
    const std::string record = where + "/" + key + kRecordSuffix;
    const int lock = lockRecord(record, false);
    if (lock < 0) continue;
    std::string path = settleLocked(lock, record, where + "/" + key + kCopySuffix, -1);
    if (!path.empty()) finished.push_back(std::move(path));
    ::close(lock);
  }
  return finished;
}

Entry::~Entry() {
  if (lock_ >= 0) ::close(lock_);  // the record stays: the next run rolls forward
}

int Entry::begin(int fd, const struct stat& st, const std::string& path, const std::string& bytes) {
  folder_ = configuredFolder();
  if (folder_.empty()) return ENOENT;
  if (!makeFolders(folder_)) return errno != 0 ? errno : EACCES;
  const std::string& where = folder_;
  const std::string base = where + "/" + keyOf(st.st_dev, st.st_ino);
  record_ = base + kRecordSuffix;
  copy_ = base + kCopySuffix;
  lock_ = lockRecord(record_, true);
  if (lock_ < 0) return errno;
  // A run killed before us left its write of this file unfinished: finish it
  // first, so that the record we write next is the only one.
  struct stat held {};
  if (::fstat(lock_, &held) == 0 && held.st_size > 0) settleLocked(lock_, record_, copy_, fd);
  // settleLocked removes the record's name when it drops or finishes it: take
  // a fresh one.
  if (::access(record_.c_str(), F_OK) != 0) {
    ::close(lock_);
    lock_ = lockRecord(record_, true);
    if (lock_ < 0) return errno;
  }
  auto undo = [&](int error) {
    drop(record_, copy_);
    ::close(lock_);
    lock_ = -1;
    return error != 0 ? error : EIO;
  };
  const int copy = ::open(copy_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (copy < 0) return undo(errno);
  const bool staged = writeAllAt(copy, bytes.data(), bytes.size(), 0) && ::fsync(copy) == 0;
  const int copyError = errno;
  ::close(copy);
  if (!staged) return undo(copyError);
  const std::string text = encode({st.st_dev, st.st_ino, bytes.size(), checksum(bytes.data(), bytes.size()), path});
  if (!writeAllAt(lock_, text.data(), text.size(), 0) || ::ftruncate(lock_, static_cast<off_t>(text.size())) != 0 ||
      ::fsync(lock_) != 0)
    return undo(errno);
  syncFolder(where);
  return 0;
}

void Entry::finished() {
  if (lock_ < 0) return;
  drop(record_, copy_);
  ::close(lock_);
  lock_ = -1;
}

}  // namespace markloom::journal
