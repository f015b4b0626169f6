#include "core/document/template_expansion.h"

namespace markloom {

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (lower(text[i]) != lower(prefix[i])) return false;
  return true;
}

}  // namespace

std::vector<std::size_t> matchingTemplates(const std::vector<TagTemplate>& templates, std::string_view word) {
  std::vector<std::size_t> out;
  if (!word.empty())
    for (std::size_t i = 0; i < templates.size(); ++i)
      if (startsWithNoCase(templates[i].name, word)) out.push_back(i);
  if (out.empty())
    for (std::size_t i = 0; i < templates.size(); ++i) out.push_back(i);
  return out;
}

std::optional<std::size_t> templateForWord(const std::vector<TagTemplate>& templates,
                                           const std::vector<std::size_t>& matches, std::string_view word) {
  if (matches.empty() || word.empty()) return std::nullopt;
  const std::string& name = templates[matches.front()].name;
  if (name.size() == word.size() && startsWithNoCase(name, word)) return matches.front();
  return std::nullopt;
}

std::string templateWord(std::string_view selection, std::size_t& offset) {
  offset = 0;
  if (selection.find_first_of("\r\n") != std::string_view::npos) return {};
  const std::size_t first = selection.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  offset = first;
  return std::string(selection.substr(first, selection.find_last_not_of(" \t") - first + 1));
}

TemplateInsertion expandTemplate(const TagTemplate& t, std::size_t column, std::string_view lineEnd) {
  TemplateInsertion out;
  const std::string_view code = t.code;
  const std::string indent(column, ' ');
  std::size_t i = 0;
  bool first = true;
  while (i <= code.size()) {
    std::size_t end = code.find_first_of("\r\n", i);
    if (end == std::string_view::npos) end = code.size();
    if (!first) out.text += std::string(lineEnd) + indent;
    out.text += code.substr(i, end - i);
    first = false;
    if (end == code.size()) break;
    i = end + (code[end] == '\r' && end + 1 < code.size() && code[end + 1] == '\n' ? 2 : 1);
  }
  // Indentation adds only blanks, so the first "|" of the text is the code's.
  const std::size_t mark = out.text.find('|');
  out.caret = mark == std::string::npos ? 0 : mark;
  if (mark != std::string::npos) out.text.erase(mark, 1);
  return out;
}

}  // namespace markloom
