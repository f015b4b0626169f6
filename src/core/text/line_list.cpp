#include "core/text/line_list.h"

#include "core/text/file_io.h"

namespace markloom {

std::vector<std::string> parseLineList(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  const std::size_t n = bytes.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(bytes.substr(start, i - start));
    if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  // A last line without a line end still counts; a final line end adds nothing.
  if (start < n) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string formatLineList(const std::vector<std::string>& lines) {
  std::size_t total = 0;
  for (const auto& line : lines) total += line.size() + 2;
  std::string out;
  out.reserve(total);
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> readLineList(const std::string& path) { return parseLineList(readFile(path)); }

void writeLineList(const std::string& path, const std::vector<std::string>& lines) {
  writeFileAtomically(path, formatLineList(lines));
}

}  // namespace markloom
