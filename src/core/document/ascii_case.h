#pragma once
// Case changes that touch the ASCII letters only: every other byte, accented
// letters and UTF-8 sequences included, stays as it is.
#include <string>
#include <string_view>

namespace markloom {

std::string asciiUpper(std::string_view text);
std::string asciiLower(std::string_view text);
// First letter of every word upper case, its other letters lower case. A word
// is a run of ASCII letters, digits, "_" and bytes 0x80 and above.
std::string asciiCapitalizeWords(std::string_view text);

// The word characters of wordAtCaret.
bool isWordAtCaretChar(unsigned char c);

}  // namespace markloom
