#pragma once
// The tokens of the tag tokenizer: a tag (element name and attributes) or a
// run of text. Names are upper-cased (ASCII letters only); raw keeps the text
// as collected.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace markloom {

struct TagAttribute {
  std::string raw;    // the attribute piece as written
  std::string name;   // upper-cased
  std::string value;  // case kept; empty without '='
  friend bool operator==(const TagAttribute&, const TagAttribute&) = default;
};

struct TagToken {
  std::string name;  // text before the first blank, upper-cased; may be empty
  std::string raw;   // the text between '<' and '>', lines joined with nothing between
  std::vector<TagAttribute> attributes;
  int line = 0;  // zero-based line where the tag began
  friend bool operator==(const TagToken&, const TagToken&) = default;
};

struct TextToken {
  std::string raw;   // as collected, with a line feed for every line end inside it
  std::string text;  // line feeds as blanks, blank runs as one blank, references decoded
  int line = 0;      // zero-based line where the text began
  friend bool operator==(const TextToken&, const TextToken&) = default;
};

using HtmlToken = std::variant<TagToken, TextToken>;

// Building tokens from the collected text.
TagToken makeTag(std::string_view tagText, int line = 0);
TagAttribute makeAttribute(std::string_view piece);
TextToken makeText(std::string_view raw, int line = 0);
std::string normalizeText(std::string_view raw);
// One step of that: c appended with line feeds as blanks and runs of blanks as one.
inline void appendCollapsed(char c, bool& lastBlank, std::string& out) {
  if (c == '\n') c = ' ';
  if (c == ' ' && lastBlank) return;
  lastBlank = c == ' ';
  out.push_back(c);
}

// ASCII-only upper-casing.
inline char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
void appendUpper(std::string_view text, std::string& out);
std::string toUpperAscii(std::string_view text);

// The element name part of a tag text: everything before the first blank
// (only code 32 separates).
inline std::string_view tagNamePart(std::string_view tagText) { return tagText.substr(0, tagText.find(' ')); }

// Calls f(piece) for every attribute piece of a tag text, in order. The text
// after the name is cut at blanks outside double quotes; one blank after each
// piece is dropped and empty pieces are skipped.
template <class F>
void forEachAttributePiece(std::string_view tagText, F&& f) {
  std::size_t pos = tagText.find(' ');
  if (pos == std::string_view::npos) return;
  const std::size_t n = tagText.size();
  while (pos < n) {
    const std::size_t start = pos;
    bool quoted = false;
    while (pos < n && (quoted || tagText[pos] != ' ')) {
      if (tagText[pos] == '"') quoted = !quoted;
      ++pos;
    }
    if (pos > start) f(tagText.substr(start, pos - start));
    if (pos < n && tagText[pos] == ' ') ++pos;
  }
}

// The name part of an attribute piece (before the first '='), case kept.
inline std::string_view pieceNamePart(std::string_view piece) { return piece.substr(0, piece.find('=')); }

}  // namespace markloom
