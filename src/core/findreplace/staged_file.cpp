#include "core/findreplace/staged_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <vector>

#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"
#include "core/text/staging_files.h"
#include "core/text/xattr_copy.h"

namespace markloom {

namespace {
// Small enough to be reused from the heap from one file to the next.
constexpr std::size_t kBufferSize = 64 * 1024;

Error ioError(const std::string& what, const std::string& path, int err) {
  return Error(what + " " + path + ": " + std::strerror(err));
}

void writeAll(int fd, const char* data, std::size_t size, const std::string& path) {
  while (size > 0) {
    const ssize_t put = ::write(fd, data, size);
    if (put < 0) {
      if (errno == EINTR) continue;
      throw ioError("Cannot write file", path, errno);
    }
    data += put;
    size -= static_cast<std::size_t>(put);
  }
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The writer's sibling name for path, a pattern ending in "XXXXXX".
std::string siblingPattern(const std::string& path, const std::string& extra = {}) {
  const auto slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return folder + stagingName(name + extra);
}

void syncFolder(const std::string& path) {
  const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);  // best effort: makes the renames durable
    ::close(dir);
  }
}

// A name made from pattern (ending in "XXXXXX") that does not exist yet, made
// by hard-linking source to it and listed among the staging files in flight;
// empty when the file system refuses hard links.
std::string linkToFreshName(const std::string& source, const std::string& pattern, int& ticket) {
  static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device seed;
  std::mt19937_64 rng(seed());
  const std::string base = pattern.substr(0, pattern.size() - staging::kRandomChars);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = base;
    for (std::size_t i = 0; i < staging::kRandomChars; ++i) name.push_back(kChars[rng() % (sizeof kChars - 1)]);
    const staging::Unbroken listing;  // no signal between linking and listing
    if (::link(source.c_str(), name.c_str()) == 0) {
      ticket = staging::track(name);
      return name;
    }
    if (errno != EEXIST) return {};
  }
  return {};
}
}  // namespace

StagedFile::StagedFile(std::string target, const struct stat& original)
    : target_(std::move(target)),
      original_(original),
      pattern_(siblingPattern(target_)),
      inPlace_(writtenInPlace(target_, original_)) {}

StagedFile::~StagedFile() {
  if (!committed_) discard();
}

bool StagedFile::create() {
  if (inPlace_) return true;
  temp_ = pattern_;
  fd_ = staging::createLocked(temp_, ticket_);
  if (fd_ < 0) {
    temp_.clear();
    return false;
  }
  // A sibling that cannot be given the file's owner would change it on
  // rename: such a file is written in place instead.
  // The same for one whose extended attributes (an access list, labels)
  // cannot all be copied. The mode goes first: an access list sets the group
  // bits to its mask.
  if (((original_.st_uid != ::geteuid() || original_.st_gid != ::getegid()) &&
       ::fchown(fd_, original_.st_uid, original_.st_gid) != 0) ||
      ::fchmod(fd_, original_.st_mode & 07777) != 0 || copyExtendedAttributes(target_, fd_) != 0) {
    discard();
    inPlace_ = true;
  }
  return true;
}

void StagedFile::discard() {
  if (!temp_.empty()) ::unlink(temp_.c_str());
  staging::untrack(ticket_);
  ticket_ = -1;
  if (fd_ >= 0) ::close(fd_);  // after the unlink: the lock guards the name to the end
  fd_ = -1;
  temp_.clear();
}

void StagedFile::flush() {
  if (inPlace_) return;
  writeAll(fd_, buffer_.data(), buffer_.size(), temp_);
  buffer_.clear();
}

void StagedFile::write(const char* data, std::size_t size) {
  if (inPlace_) {
    buffer_.append(data, size);
    return;
  }
  if (buffer_.size() + size > kBufferSize) {
    flush();
    if (size >= kBufferSize) {
      writeAll(fd_, data, size, temp_);
      return;
    }
  }
  buffer_.append(data, size);
}

void StagedFile::copyFrom(int fd, std::int64_t size) {
  if (inPlace_) {
    const std::size_t base = buffer_.size();
    buffer_.resize(base + static_cast<std::size_t>(size));
    std::size_t in = 0;
    while (in < static_cast<std::size_t>(size)) {
      const ssize_t got =
          ::pread(fd, buffer_.data() + base + in, static_cast<std::size_t>(size) - in, static_cast<off_t>(in));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) throw ioError("Cannot read file", target_, got < 0 ? errno : EIO);
      in += static_cast<std::size_t>(got);
    }
    return;
  }
  flush();
  // In the kernel where it can (no copy through this process, and a shared
  // extent on file systems that support it); read and write otherwise.
  loff_t in = 0;
  while (in < size) {
    const ssize_t moved = ::copy_file_range(fd, &in, fd_, nullptr, static_cast<std::size_t>(size - in), 0);
    if (moved > 0) continue;
    if (moved < 0 && errno == EINTR) continue;
    if (moved == 0 || errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) break;
    throw ioError("Cannot write file", temp_, errno);
  }
  std::vector<char> chunk;
  while (in < size) {
    chunk.resize(kBufferSize);
    const std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(size - in, kBufferSize));
    const ssize_t got = ::pread(fd, chunk.data(), want, in);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) throw ioError("Cannot read file", target_, got < 0 ? errno : EIO);
    writeAll(fd_, chunk.data(), static_cast<std::size_t>(got), temp_);
    in += got;
  }
}

void StagedFile::makeBackup() {
  const std::string backup = target_ + ".bak";
  if (inPlace_) {
    // The file keeps its inode, so a hard link would change with it: copy.
    writeFile(backup, readFile(target_));
    return;
  }
  // A hard link keeps the original's bytes, times and permissions as they are;
  // renaming it over an older backup replaces that one in a single step.
  int ticket = -1;
  std::string fresh = linkToFreshName(target_, siblingPattern(target_, ".bak"), ticket);
  if (fresh.empty()) {
    // No hard links here: copy the original instead.
    // Without waiting: should the name hold something else by now (a FIFO),
    // it is refused rather than waited on.
    const int in = ::open(target_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (in < 0) throw ioError("Cannot open file", target_, errno);
    struct stat now {};
    if (::fstat(in, &now) != 0 || now.st_ino != original_.st_ino || now.st_dev != original_.st_dev) {
      ::close(in);
      throw ioError("Cannot open file", target_, EAGAIN);
    }
    StagedFile copy(backup, original_);
    if (!copy.create()) {
      const int err = errno;
      ::close(in);
      throw ioError("Cannot create file", copy.tempPattern(), err);
    }
    try {
      copy.copyFrom(in, original_.st_size);
    } catch (...) {
      ::close(in);
      throw;
    }
    ::close(in);
    copy.commit(false);
    return;
  }
  if (::rename(fresh.c_str(), backup.c_str()) != 0) {
    const int err = errno;
    ::unlink(fresh.c_str());
    staging::untrack(ticket);
    throw ioError("Cannot create file", backup, err);
  }
  staging::untrack(ticket);
}

void StagedFile::finish(bool durable) {
  if (inPlace_) return;  // the writer syncs what it writes
  flush();
  std::string().swap(buffer_);
  // Start writing it to disk now, so that a later sync of many files finds
  // most of the work done.
  if (!durable) ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
  // The owner was given at create(); the mode goes after it, as fchown
  // clears set-id bits. The descriptor stays open, and locked, until install.
  if (::fchmod(fd_, original_.st_mode & 07777) != 0) throw ioError("Cannot write file", temp_, errno);
  if (durable && ::fsync(fd_) != 0) throw ioError("Cannot write file", temp_, errno);
}

void StagedFile::install(bool backup) {
  if (backup) makeBackup();
  if (inPlace_) {
    writeFile(target_, buffer_);
    std::string().swap(buffer_);
    committed_ = true;
    return;
  }
  if (::rename(temp_.c_str(), target_.c_str()) != 0) throw ioError("Cannot create file", target_, errno);
  committed_ = true;
  temp_.clear();
  staging::untrack(ticket_);
  ticket_ = -1;
  // Releases the lock; the content was confirmed before the rename.
  ::close(fd_);
  fd_ = -1;
}

void StagedFile::commit(bool backup) {
  finish(true);
  install(backup);
  syncFolder(target_);
}

}  // namespace markloom
