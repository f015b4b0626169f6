#include "core/analysis/json_text.h"

namespace markloom {

void appendJsonString(std::string_view bytes, std::string& out) {
  static const char kHex[] = "0123456789abcdef";
  out.push_back('"');
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7f) {
          out += "\\u00";
          out.push_back(kHex[c >> 4]);
          out.push_back(kHex[c & 15]);
        } else if (c < 0x80) {
          out.push_back(static_cast<char>(c));
        } else {
          // U+0080..U+00FF in UTF-8.
          out.push_back(static_cast<char>(0xC0 | (c >> 6)));
          out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
  }
  out.push_back('"');
}

std::string jsonString(std::string_view bytes) {
  std::string out;
  appendJsonString(bytes, out);
  return out;
}

}  // namespace markloom
