#include "core/analysis/html_tokens.h"

#include "core/analysis/character_references.h"

namespace markloom {

void appendUpper(std::string_view text, std::string& out) {
  const std::size_t base = out.size();
  out.resize(base + text.size());
  for (std::size_t i = 0; i < text.size(); ++i) out[base + i] = upperAscii(text[i]);
}

std::string toUpperAscii(std::string_view text) {
  std::string out;
  appendUpper(text, out);
  return out;
}

TagAttribute makeAttribute(std::string_view piece) {
  TagAttribute attribute;
  attribute.raw = piece;
  const std::size_t eq = piece.find('=');
  if (eq == std::string_view::npos) {
    attribute.name = toUpperAscii(piece);
    return attribute;
  }
  attribute.name = toUpperAscii(piece.substr(0, eq));
  std::string_view value = piece.substr(eq + 1);
  if (value.size() > 1 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  attribute.value = value;
  return attribute;
}

TagToken makeTag(std::string_view tagText, int line) {
  TagToken tag;
  tag.raw = tagText;
  tag.name = toUpperAscii(tagNamePart(tagText));
  tag.line = line;
  forEachAttributePiece(tagText, [&](std::string_view piece) { tag.attributes.push_back(makeAttribute(piece)); });
  return tag;
}

std::string normalizeText(std::string_view raw) {
  // Line feeds become blanks and blank runs shrink to one blank on the way
  // into the decoder, in one pass.
  std::string collapsed;
  collapsed.reserve(raw.size());
  bool lastBlank = false;
  for (const char c : raw) appendCollapsed(c, lastBlank, collapsed);
  decodeReferencesInPlace(collapsed);
  return collapsed;
}

TextToken makeText(std::string_view raw, int line) {
  TextToken text;
  text.raw = raw;
  text.text = normalizeText(raw);
  text.line = line;
  return text;
}

}  // namespace markloom
