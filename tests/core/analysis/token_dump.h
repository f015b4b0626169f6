#pragma once
// A readable one-line form of a token for test expectations:
//   TAG "P" raw="p" [NAME|VALUE|RAW] ...      TEXT "normalised" raw="collected"
// with \n, \t, \" and \\ escaped and other control or high bytes as \xNN.
#include <cstdio>
#include <string>
#include <vector>

#include "core/analysis/html_tokens.h"

namespace markloom::test {

inline std::string quoted(const std::string& s) {
  std::string out = "\"";
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\n')
      out += "\\n";
    else if (c == '\t')
      out += "\\t";
    else if (c == '"')
      out += "\\\"";
    else if (c == '\\')
      out += "\\\\";
    else if (c < 0x20 || c >= 0x7f) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    } else
      out += ch;
  }
  return out + "\"";
}

inline std::string dump(const HtmlToken& token) {
  if (const auto* tag = std::get_if<TagToken>(&token)) {
    std::string out = "TAG " + quoted(tag->name) + " raw=" + quoted(tag->raw);
    for (const auto& p : tag->attributes)
      out += " [" + quoted(p.name) + "|" + quoted(p.value) + "|" + quoted(p.raw) + "]";
    return out;
  }
  const auto& text = std::get<TextToken>(token);
  return "TEXT " + quoted(text.text) + " raw=" + quoted(text.raw);
}

inline std::vector<std::string> dump(const std::vector<HtmlToken>& tokens) {
  std::vector<std::string> out;
  for (const auto& t : tokens) out.push_back(dump(t));
  return out;
}

}  // namespace markloom::test
