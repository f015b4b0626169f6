#include "core/workspace/file_mask.h"

namespace markloom {

namespace {
char fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Iterative wildcard match with one backtrack point: linear in practice and
// never exponential.
bool wildcard(const std::string& pattern, const std::string& name) {
  std::size_t p = 0, n = 0, star = std::string::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || fold(pattern[p]) == fold(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::string trimmed(const std::string& s) {
  const auto b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}
}  // namespace

FileMask::FileMask(const std::string& mask) {
  std::size_t start = 0;
  for (;;) {
    const auto end = mask.find(';', start);
    const std::string piece = trimmed(mask.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (!piece.empty()) patterns_.push_back(piece);
    if (end == std::string::npos) break;
    start = end + 1;
  }
}

bool FileMask::matches(const std::string& fileName) const {
  for (const auto& pattern : patterns_) {
    // "*.*" means every file, names without a dot included.
    if (pattern == "*.*" || pattern == "*") return true;
    if (wildcard(pattern, fileName)) return true;
  }
  return false;
}

}  // namespace markloom
