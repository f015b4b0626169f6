#include "core/analysis/json_text.h"

namespace markloom {

namespace {

// Writes the escape for an ASCII byte that JSON will not take as it is (and
// for DEL when escapeDelete); false for every other byte.
bool appendEscape(unsigned char c, bool escapeDelete, std::string& out) {
  static const char kHex[] = "0123456789abcdef";
  switch (c) {
    case '"': out += "\\\""; return true;
    case '\\': out += "\\\\"; return true;
    case '\n': out += "\\n"; return true;
    case '\r': out += "\\r"; return true;
    case '\t': out += "\\t"; return true;
    default:
      if (c >= 0x20 && !(escapeDelete && c == 0x7f)) return false;
      out += "\\u00";
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 15]);
      return true;
  }
}

}  // namespace

void appendJsonUtf8String(std::string_view utf8, std::string& out) {
  out.push_back('"');
  for (const char ch : utf8)
    if (!appendEscape(static_cast<unsigned char>(ch), false, out)) out.push_back(ch);
  out.push_back('"');
}

void appendJsonString(std::string_view bytes, std::string& out) {
  out.push_back('"');
  appendJsonStringBody(bytes, out);
  out.push_back('"');
}

void appendJsonStringBody(std::string_view bytes, std::string& out) {
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (appendEscape(c, true, out)) continue;
    if (c < 0x80) {
      out.push_back(ch);
    } else {
      // U+0080..U+00FF in UTF-8.
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
}

void appendJsonMember(std::string_view key, std::string_view bytes, std::string& out, bool first) {
  out += first ? "{\"" : ",\"";
  out += key;
  out += "\":";
  appendJsonString(bytes, out);
}

}  // namespace markloom
