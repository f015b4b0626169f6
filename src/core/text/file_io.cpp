#include "core/text/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "core/common/error.h"

namespace markloom {

std::string readLimitMessage(const std::string& path) {
  return "Cannot open file " + path + ": reading stopped after " + std::to_string(kMaxReadBytes >> 30) +
         " GiB (a device or a file that does not end)";
}

const char* notAFileKind(mode_t mode) {
  if (S_ISREG(mode)) return nullptr;
  if (S_ISDIR(mode)) return "it is a folder";
  if (S_ISFIFO(mode)) return "not a regular file (a FIFO)";
  if (S_ISCHR(mode)) return "not a regular file (a character device)";
  if (S_ISBLK(mode)) return "not a regular file (a block device)";
  if (S_ISSOCK(mode)) return "not a regular file (a socket)";
  return "not a regular file";
}

void readFileInPieces(const std::string& path, const std::function<void(std::string_view piece)>& onPiece,
                      std::size_t pieceSize, const std::function<void(std::size_t size)>& sizeHint) {
  // Opened without waiting: a FIFO with no writer would hold open() for good.
  const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    // A socket cannot be opened at all: say what it is.
    struct stat st {};
    const char* kind = path.empty() || ::stat(path.c_str(), &st) != 0 ? nullptr : notAFileKind(st.st_mode);
    if (kind) throw Error("Cannot open file " + path + ": " + kind);
    throw cannotOpenFile(path);
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    throw cannotOpenFile(path);
  }
  if (const char* kind = notAFileKind(st.st_mode)) {
    ::close(fd);
    throw Error("Cannot open file " + path + ": " + kind);
  }
  // A plain file reads the same either way; blocking reads need no retry loop.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (sizeHint) sizeHint(st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0);
  std::vector<char> piece(pieceSize > 0 ? pieceSize : 1);
  const std::uint64_t sizeAtOpen = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
  std::uint64_t total = 0;
  try {
    for (;;) {
      const ssize_t got = ::read(fd, piece.data(), piece.size());
      if (got < 0) {
        if (errno == EINTR) continue;
        throw cannotOpenFile(path);
      }
      if (got == 0) break;
      total += static_cast<std::uint64_t>(got);
      if (total > kMaxReadBytes && total > sizeAtOpen) throw Error(readLimitMessage(path));
      onPiece(std::string_view(piece.data(), static_cast<std::size_t>(got)));
    }
  } catch (...) {
    ::close(fd);
    throw;
  }
  ::close(fd);
}

std::string readFile(const std::string& path) {
  std::string bytes;
  readFileInPieces(
      path, [&](std::string_view piece) { bytes.append(piece); }, 1 << 16,
      [&](std::size_t size) { bytes.reserve(size); });
  return bytes;
}

}  // namespace markloom
