#include "core/document/ascii_case.h"

namespace markloom {

namespace {
bool isLower(unsigned char c) { return c >= 'a' && c <= 'z'; }
bool isUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
bool isCapWordChar(unsigned char c) {
  return isLower(c) || isUpper(c) || (c >= '0' && c <= '9') || c == '_' || c >= 0x80;
}
}  // namespace

std::string asciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (isLower(static_cast<unsigned char>(c))) c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string asciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (isUpper(static_cast<unsigned char>(c))) c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string asciiCapitalizeWords(std::string_view text) {
  std::string out(text);
  bool inWord = false;
  for (char& ch : out) {
    const auto c = static_cast<unsigned char>(ch);
    if (!isCapWordChar(c)) {
      inWord = false;
      continue;
    }
    if (!inWord && isLower(c)) ch = static_cast<char>(c - 'a' + 'A');
    if (inWord && isUpper(c)) ch = static_cast<char>(c - 'A' + 'a');
    inWord = true;
  }
  return out;
}

bool isWordAtCaretChar(unsigned char c) { return isCapWordChar(c) || c == '.' || c == '<'; }

}  // namespace markloom
