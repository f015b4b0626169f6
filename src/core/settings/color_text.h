#pragma once
// The colour-to-text form of the settings store. A colour is a 32-bit value:
// 0x00BBGGRR for a plain colour, 0x80000000 | index for a system colour (the
// desktop's window, button face, highlight ... colours), plus the two special
// values clNone and clDefault.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace markloom {

constexpr std::uint32_t kColorNone = 0x1FFFFFFF;
constexpr std::uint32_t kColorDefault = 0x20000000;
constexpr std::uint32_t kSystemColorFlag = 0x80000000;

// A name of the table ("clWindow", "clNavy", ...) when the colour has one,
// otherwise '$' and eight upper-case hexadecimal digits ("$00FF8000").
std::string colorToText(std::uint32_t color);

// Accepts the names (any letter case), decimal numbers (with an optional sign)
// and '$' or "0x" hexadecimal numbers, all within 32 bits. nullopt otherwise.
std::optional<std::uint32_t> textToColor(const std::string& text);

// As textToColor, but raises notAValidInteger(text) for text it cannot read.
std::uint32_t colorFromText(const std::string& text);

// The system colour index of a value with kSystemColorFlag set, else nullopt.
std::optional<int> systemColorIndex(std::uint32_t color);
// Every colour name, in table order (standard, system, special colours).
std::vector<std::string> colorNames();

}  // namespace markloom
