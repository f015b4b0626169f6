#include "core/document/markup_spans.h"

namespace markloom {

namespace {

bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAlnum(char c) { return isAlpha(c) || (c >= '0' && c <= '9'); }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

std::size_t endAfter(std::string_view text, std::size_t from, std::string_view closer) {
  const std::size_t at = text.find(closer, from);
  return at == std::string_view::npos ? text.size() : at + closer.size();
}

// End of the tag opened at i (just past its ">"). Quoted attribute values
// may hold ">"; a quote never closed falls back to the first ">".
std::size_t tagEnd(std::string_view text, std::size_t i) {
  std::size_t j = i + 1;
  while (j < text.size()) {
    const char c = text[j];
    if (c == '>') return j + 1;
    if (c == '=') {
      std::size_t v = j + 1;
      while (v < text.size() && isBlank(text[v])) ++v;
      if (v < text.size() && (text[v] == '"' || text[v] == '\'')) {
        const std::size_t close = text.find(text[v], v + 1);
        if (close == std::string_view::npos) return endAfter(text, i, ">");
        j = close + 1;
        continue;
      }
    }
    ++j;
  }
  return text.size();
}

// The lower-case name of the tag opened at i ("" for closing tags and the like).
std::string_view openingName(std::string_view text, std::size_t i) {
  std::size_t j = i + 1;
  while (j < text.size() && isAlnum(text[j])) ++j;
  return text.substr(i + 1, j - i - 1);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (lower(a[k]) != lower(b[k])) return false;
  return true;
}

// Where "</name" starts at or after from, any case; the end of text if nowhere.
std::size_t closingTag(std::string_view text, std::size_t from, std::string_view name) {
  for (std::size_t at = text.find("</", from); at != std::string_view::npos; at = text.find("</", at + 2)) {
    if (equalsIgnoringCase(text.substr(at + 2, name.size()), name)) {
      const std::size_t after = at + 2 + name.size();
      if (after == text.size() || !isAlnum(text[after])) return at;
    }
  }
  return text.size();
}

}  // namespace

std::vector<ByteSpan> markupSpans(std::string_view text) {
  std::vector<ByteSpan> spans;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '<' && i + 1 < text.size()) {
      const char d = text[i + 1];
      std::size_t end = 0;
      if (text.substr(i, 4) == "<!--")
        end = endAfter(text, i + 4, "-->");
      else if (d == '?')
        end = endAfter(text, i + 2, "?>");
      else if (d == '%')
        end = endAfter(text, i + 2, "%>");
      else if (isAlpha(d) || d == '/' || d == '!')
        end = tagEnd(text, i);
      if (end == 0) {
        ++i;
        continue;
      }
      spans.push_back({i, end});
      const std::string_view name = isAlpha(d) ? openingName(text, i) : std::string_view();
      if (equalsIgnoringCase(name, "script") || equalsIgnoringCase(name, "style")) {
        // The element's content is code; its closing tag is the next span.
        const std::size_t close = closingTag(text, end, name);
        if (close > end) spans.push_back({end, close});
        end = close;
      }
      i = end;
      continue;
    }
    if (c == '&') {
      std::size_t j = i + 1;
      if (j < text.size() && text[j] == '#') ++j;
      std::size_t k = j;
      while (k < text.size() && isAlnum(text[k])) ++k;
      if (k > j && k < text.size() && text[k] == ';') {
        spans.push_back({i, k + 1});
        i = k + 1;
        continue;
      }
    }
    ++i;
  }
  return spans;
}

}  // namespace markloom
