#pragma once
// Byte classes used by the matcher: ASCII-only case folding, and the bytes that
// join words (letters, digits, underscore, and every byte from 127 up, so that
// accented letters of 8-bit and UTF-8 text stay inside their words).
#include <string>

namespace markloom {

inline char foldByte(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

inline bool isWordByte(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c >= 127;
}

inline void foldInPlace(char* data, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) data[i] = foldByte(data[i]);
}

inline std::string folded(std::string s) {
  foldInPlace(s.data(), s.size());
  return s;
}

}  // namespace markloom
