#include "core/text/text_encoding.h"

namespace markloom {

bool isValidUtf8(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char c = p[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    int extra;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      if (c == 0xE0) lo = 0xA0;  // no overlong forms
      if (c == 0xED) hi = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      if (c == 0xF0) lo = 0x90;
      if (c == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(extra) >= n) return false;  // cut short
    if (p[i + 1] < lo || p[i + 1] > hi) return false;
    for (int k = 2; k <= extra; ++k)
      if ((p[i + k] & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

LineEnd detectLineEnd(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') return LineEnd::Lf;
    if (bytes[i] == '\r') return i + 1 < bytes.size() && bytes[i + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
  }
  return LineEnd::CrLf;
}

const char* lineEndText(LineEnd style) {
  switch (style) {
    case LineEnd::Lf: return "\n";
    case LineEnd::Cr: return "\r";
    default: return "\r\n";
  }
}

std::string convertLineEnds(std::string_view text, LineEnd style) {
  const std::string_view eol = lineEndText(style);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += eol;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace markloom
