#include "core/analysis/character_references.h"

#include <algorithm>
#include <optional>

namespace markloom {

namespace {

// Latin-1 names for codes 160..255, in code order.
constexpr std::array<std::string_view, 96> kLatin1Names{
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

struct Tables {
  std::array<std::string, 100> names;
  std::array<std::string, 100> numerics;
  std::array<NamedReference, 100> entries;
  std::array<int, 100> codes{};
  std::array<char, 256> characters{};
  std::size_t longestName = 0;

  Tables() {
    const std::pair<std::string_view, int> escapes[] = {{"quot", 34}, {"amp", 38}, {"lt", 60}, {"gt", 62}};
    std::size_t i = 0;
    auto add = [&](std::string_view name, int code) {
      names[i] = "&" + std::string(name) + ";";
      numerics[i] = "&#" + std::to_string(code) + ";";
      codes[i] = code;
      longestName = std::max(longestName, names[i].size());
      ++i;
    };
    for (const auto& [name, code] : escapes) add(name, code);
    for (int k = 0; k < 96; ++k) add(kLatin1Names[k], 160 + k);
    for (std::size_t k = 0; k < 100; ++k) entries[k] = {names[k], numerics[k]};
    for (int code = 0; code < 256; ++code) characters[code] = static_cast<char>(code);
    for (int code = 0; code < 32; ++code) characters[code] = ' ';
    characters[160] = ' ';
  }
};

const Tables& tables() {
  static const Tables t;
  return t;
}

int digitValue(char c, bool hex) {
  if (c >= '0' && c <= '9') return c - '0';
  if (!hex) return -1;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The code of a numeric reference "&#...;" (terminator included), if it is one
// the decoder replaces.
std::optional<int> numericCode(std::string_view ref) {
  std::string_view body = ref.substr(2, ref.size() - 3);
  if (body.empty() || body.size() > 3) return std::nullopt;
  const bool hex = body[0] == 'x' || body[0] == 'X';
  if (hex) body.remove_prefix(1);
  if (body.empty()) return std::nullopt;
  int value = 0;
  for (char c : body) {
    const int d = digitValue(c, hex);
    if (d < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + d;
  }
  if (value > 255) return std::nullopt;
  return value;
}

std::optional<int> namedCode(std::string_view ref) {
  const Tables& t = tables();
  if (ref.size() > t.longestName) return std::nullopt;
  for (std::size_t i = 0; i < t.names.size(); ++i) {
    if (t.names[i] == ref) return t.codes[i];
  }
  return std::nullopt;
}

}  // namespace

const std::array<NamedReference, 100>& namedReferences() { return tables().entries; }

const std::array<char, 256>& referenceCharacters() { return tables().characters; }

void decodeReferencesInPlace(std::string& text) {
  const auto& characters = tables().characters;
  const std::size_t first = text.find('&');
  if (first == std::string::npos) return;
  // Reading at r, writing at w <= r: the collected reference is text[start, w).
  std::size_t w = first;
  bool collecting = false;
  std::size_t start = 0;
  for (std::size_t r = first; r < text.size(); ++r) {
    const char c = text[r];
    text[w++] = c;
    if (c == '&') {
      collecting = true;
      start = w - 1;
      continue;
    }
    if (!collecting || (c != ';' && c != ' ')) continue;
    collecting = false;
    const std::string_view ref(text.data() + start, w - start);
    // A named hit stands for a numeric reference that always decodes, so both
    // end as the table's character for the code.
    const std::optional<int> code = (ref.size() >= 3 && ref[1] == '#') ? numericCode(ref) : namedCode(ref);
    if (code) {
      w = start;
      text[w++] = characters[static_cast<unsigned char>(*code)];
    }
  }
  text.resize(w);
}

std::string decodeReferences(std::string_view text) {
  std::string out(text);
  decodeReferencesInPlace(out);
  return out;
}

}  // namespace markloom
