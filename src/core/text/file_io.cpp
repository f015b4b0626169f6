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

void readFileInPieces(const std::string& path, const std::function<void(std::string_view piece)>& onPiece,
                      std::size_t pieceSize, const std::function<void(std::size_t size)>& sizeHint) {
  const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw cannotOpenFile(path);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw cannotOpenFile(path);
  }
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
