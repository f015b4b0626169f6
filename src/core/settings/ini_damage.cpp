#include "core/settings/ini_damage.h"


namespace markloom {

namespace {
std::string_view trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// What is wrong with one line; empty when nothing is.
std::string lineDamage(std::string_view raw) {
  if (raw.find('\0') != std::string_view::npos) return "a NUL byte";
  const std::string_view line = trimmed(raw);
  if (line.empty() || line.front() == ';' || line.front() == '#') return {};
  if (line.front() == '[') {
    if (line.back() != ']') return "a section line without its closing ']'";
    if (trimmed(line.substr(1, line.size() - 2)).empty()) return "a section line without a name";
    return {};
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return "neither a [section] nor a name=value line";
  if (trimmed(line.substr(0, equals)).empty()) return "a value without a name";
  return {};
}
}  // namespace

std::optional<IniDamage> findIniDamage(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  std::size_t number = 1;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    const std::string_view line = bytes.substr(0, end);
    if (std::string what = lineDamage(line); !what.empty()) return IniDamage{number, std::move(what)};
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
    ++number;
  }
  return std::nullopt;
}

}  // namespace markloom
