#include "core/document/url_scan.h"

#include <array>

namespace markloom {

namespace {
bool startsWithNoCase(std::string_view s, std::size_t at, std::string_view prefix) {
  if (s.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = s[at + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}
bool ends(char c) {
  return c == ' ' || c == '\t' || c == '"' || c == '\'' || c == '<' || c == '>' || c == '\r' || c == '\n' || c == '(' ||
         c == ')';
}
bool isWordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}
}  // namespace

std::vector<std::pair<std::size_t, std::size_t>> findUrls(std::string_view line) {
  static constexpr std::array<std::string_view, 6> prefixes = {"http://", "https://", "ftp://",
                                                               "mailto:", "file://",  "www."};
  std::vector<std::pair<std::size_t, std::size_t>> out;
  std::size_t i = 0;
  while (i < line.size()) {
    std::size_t found = 0;
    if (i == 0 || !isWordChar(line[i - 1]))
      for (auto p : prefixes)
        if (startsWithNoCase(line, i, p)) {
          found = p.size();
          break;
        }
    if (found == 0 || i + found >= line.size() || ends(line[i + found])) {
      ++i;
      continue;
    }
    std::size_t j = i + found;
    while (j < line.size() && !ends(line[j])) ++j;
    // A full stop or comma closing a sentence is not part of the address.
    while (j > i + found && (line[j - 1] == '.' || line[j - 1] == ',')) --j;
    out.emplace_back(i, j - i);
    i = j;
  }
  return out;
}

}  // namespace markloom
