#include "core/sites/transfer_type.h"

#include <algorithm>
#include <cctype>

namespace markloom {

namespace {
char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
bool separator(char c) { return c == ',' || c == ';' || c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
}  // namespace

std::vector<std::string> parseTextExtensions(std::string_view list) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at < list.size()) {
    while (at < list.size() && separator(list[at])) ++at;
    std::size_t end = at;
    while (end < list.size() && !separator(list[end])) ++end;
    std::string_view word = list.substr(at, end - at);
    at = end;
    if (word.starts_with("*")) word.remove_prefix(1);
    if (word.starts_with(".")) word.remove_prefix(1);
    if (word.empty()) continue;
    std::string extension(word);
    std::transform(extension.begin(), extension.end(), extension.begin(), lower);
    if (std::find(out.begin(), out.end(), extension) == out.end()) out.push_back(std::move(extension));
  }
  return out;
}

bool isTextName(std::string_view name, const std::vector<std::string>& extensions) {
  const std::size_t slash = name.rfind('/');
  if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view extension = name.substr(dot + 1);
  return std::any_of(extensions.begin(), extensions.end(), [&](const std::string& known) {
    return known.size() == extension.size() &&
           std::equal(known.begin(), known.end(), extension.begin(), [](char a, char b) { return a == lower(b); });
  });
}

}  // namespace markloom
