#pragma once
// The tokenizer written the slow, literal way, character by character on
// growing strings, with the blank collapse and the reference scan done in place
// on the changing text. The fast tokenizer must agree with it exactly; tests
// and the fuzz target compare the two.
#include <cctype>
#include <string>
#include <vector>

#include "core/analysis/html_tokens.h"

namespace markloom::literal {

inline std::string upper(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = upperAscii(c);
  return out;
}

inline TagAttribute param(const std::string& p) {
  TagAttribute a;
  a.raw = p;
  const auto eq = p.find('=');
  std::string name = p;
  if (eq != std::string::npos) {
    name = p.substr(0, eq);
    a.value = p.substr(eq + 1);
    if (a.value.size() > 1 && a.value.front() == '"' && a.value.back() == '"')
      a.value = a.value.substr(1, a.value.size() - 2);
  }
  a.name = upper(name);
  return a;
}

inline TagToken tag(const std::string& t, int line) {
  TagToken tag;
  tag.raw = t;
  tag.line = line;
  std::size_t i = 0;
  while (i < t.size() && t[i] != ' ') tag.name += upperAscii(t[i++]);
  while (i < t.size()) {
    std::string piece;
    bool quoted = false;
    while (i < t.size() && !(t[i] == ' ' && !quoted)) {
      if (t[i] == '"') quoted = !quoted;
      piece += t[i++];
    }
    if (i < t.size() && t[i] == ' ') ++i;
    if (!piece.empty()) tag.attributes.push_back(param(piece));
  }
  return tag;
}

inline std::string numericOf(const std::string& name) {
  static const char* latin1[] = {
      "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
      "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
      "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
      "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
      "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
      "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
      "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
      "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
      "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};
  if (name == "&quot;") return "&#34;";
  if (name == "&amp;") return "&#38;";
  if (name == "&lt;") return "&#60;";
  if (name == "&gt;") return "&#62;";
  for (int k = 0; k < 96; ++k)
    if (name == "&" + std::string(latin1[k]) + ";") return "&#" + std::to_string(160 + k) + ";";
  return "";
}

inline std::string normalize(std::string s) {
  for (char& c : s)
    if (c == '\n') c = ' ';
  for (auto p = s.find("  "); p != std::string::npos; p = s.find("  ")) s.erase(p, 1);
  std::size_t i = 0;
  bool collecting = false;
  std::size_t start = 0;
  std::string ref;
  while (i < s.size()) {
    const char c = s[i];
    if (c == '&') {
      collecting = true;
      start = i;
      ref = "&";
      ++i;
      continue;
    }
    if (!collecting) {
      ++i;
      continue;
    }
    ref += c;
    if (c != ';' && c != ' ') {
      ++i;
      continue;
    }
    collecting = false;
    if (ref.size() >= 3 && ref[1] == '#') {
      std::string body = ref.substr(2, ref.size() - 3);
      bool ok = !body.empty() && body.size() <= 3;
      int base = 10;
      if (ok && (body[0] == 'x' || body[0] == 'X')) {
        base = 16;
        body = body.substr(1);
      }
      ok = ok && !body.empty();
      for (char d : body)
        ok = ok &&
             (base == 16 ? std::isxdigit(static_cast<unsigned char>(d)) : std::isdigit(static_cast<unsigned char>(d)));
      const int value = ok ? std::stoi(body, nullptr, base) : -1;
      if (ok && value <= 255) {
        const char ch = (value < 32 || value == 160) ? ' ' : static_cast<char>(value);
        s.replace(start, ref.size(), 1, ch);
        i = start + 1;
      } else {
        ++i;
      }
    } else {
      const std::string numeric = numericOf(ref);
      if (!numeric.empty()) {
        s.replace(start, ref.size(), numeric);
        i = start;
      } else {
        i = start + 1;
      }
    }
  }
  return s;
}

inline std::vector<HtmlToken> tokenize(const std::vector<std::string>& lines) {
  std::vector<HtmlToken> tokens;
  std::string text, tagText;
  bool inside = false;
  int textLine = 0, tagLine = 0;
  auto emitText = [&] { tokens.emplace_back(TextToken{text, normalize(text), textLine}); };
  for (int l = 0; l < static_cast<int>(lines.size()); ++l) {
    for (char c : lines[l]) {
      if (c == '<') {
        if (!inside && !text.empty()) {
          emitText();
          text.clear();
        }
        if (!inside) tagLine = l;
        inside = true;
      } else if (c == '>') {
        tokens.emplace_back(tag(tagText, inside ? tagLine : l));
        tagText.clear();
        inside = false;
      } else if (inside) {
        tagText += c;
      } else {
        if (text.empty()) textLine = l;
        text += c;
      }
    }
    if (!inside && !text.empty()) text += '\n';
  }
  if (inside && !tagText.empty()) tokens.emplace_back(tag(tagText, tagLine));
  if (!inside && !text.empty()) emitText();
  return tokens;
}

}  // namespace markloom::literal
