#include "core/analysis/document_analysis.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "core/common/error.h"

namespace markloom {

std::vector<ValidationRow> analyzeText(std::string_view bytes) {
  std::vector<ValidationRow> rows;
  TagChecker checker(rows);
  TagScanner scanner(checker);
  scanner.feed(bytes);
  scanner.finish();
  if (rows.empty()) rows.push_back(noErrorsRow());
  return rows;
}

bool checkFileInPieces(const std::string& path,
                       const std::function<void(const std::vector<ValidationRow>&)>& onRows) {
  const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw cannotOpenFile(path);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw cannotOpenFile(path);
  }
  std::vector<ValidationRow> rows;
  TagChecker checker(rows);
  TagScanner scanner(checker);
  std::vector<char> piece(1 << 20);
  bool found = false;
  auto hand = [&] {
    if (rows.empty()) return;
    found = true;
    onRows(rows);
    rows.clear();
  };
  for (;;) {
    const ssize_t got = ::read(fd, piece.data(), piece.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      throw cannotOpenFile(path);
    }
    if (got == 0) break;
    scanner.feed(std::string_view(piece.data(), static_cast<std::size_t>(got)));
    hand();
  }
  ::close(fd);
  scanner.finish();
  hand();
  return found;
}

std::vector<ValidationRow> analyzeFile(const std::string& path) {
  std::vector<ValidationRow> all;
  const bool found = checkFileInPieces(
      path, [&](const std::vector<ValidationRow>& rows) { all.insert(all.end(), rows.begin(), rows.end()); });
  if (!found) all.push_back(noErrorsRow());
  return all;
}

bool hasFindings(const std::vector<ValidationRow>& rows) {
  return !rows.empty() && !(rows.size() == 1 && rows.front() == noErrorsRow());
}

}  // namespace markloom
