#include "core/settings/color_text.h"

#include <array>
#include <cstdio>

#include "core/common/error.h"

namespace markloom {

namespace {

struct NamedColor {
  std::uint32_t value;
  const char* name;
};

// Standard colours first, then the system colours by index, then the specials.
constexpr std::array<NamedColor, 51> kNamedColors{{
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {0x80000000, "clScrollBar"},
    {0x80000001, "clBackground"},
    {0x80000002, "clActiveCaption"},
    {0x80000003, "clInactiveCaption"},
    {0x80000004, "clMenu"},
    {0x80000005, "clWindow"},
    {0x80000006, "clWindowFrame"},
    {0x80000007, "clMenuText"},
    {0x80000008, "clWindowText"},
    {0x80000009, "clCaptionText"},
    {0x8000000A, "clActiveBorder"},
    {0x8000000B, "clInactiveBorder"},
    {0x8000000C, "clAppWorkSpace"},
    {0x8000000D, "clHighlight"},
    {0x8000000E, "clHighlightText"},
    {0x8000000F, "clBtnFace"},
    {0x80000010, "clBtnShadow"},
    {0x80000011, "clGrayText"},
    {0x80000012, "clBtnText"},
    {0x80000013, "clInactiveCaptionText"},
    {0x80000014, "clBtnHighlight"},
    {0x80000015, "cl3DDkShadow"},
    {0x80000016, "cl3DLight"},
    {0x80000017, "clInfoText"},
    {0x80000018, "clInfoBk"},
    {0x8000001A, "clHotLight"},
    {0x8000001B, "clGradientActiveCaption"},
    {0x8000001C, "clGradientInactiveCaption"},
    {0x8000001D, "clMenuHighlight"},
    {0x8000001E, "clMenuBar"},
    {kColorNone, "clNone"},
}};
// clDefault is looked up separately so the table above stays one per value.
constexpr NamedColor kDefault{kColorDefault, "clDefault"};

bool sameTextAscii(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return i == a.size() && b[i] == '\0';
}

int digitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9')
    v = c - '0';
  else if (c >= 'a' && c <= 'f')
    v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    v = c - 'A' + 10;
  return v < base ? v : -1;
}

// Reads a 32-bit integer the way the store's numbers are written: optional sign,
// then decimal digits, or '$'/"0x" and hexadecimal digits. Hexadecimal numbers
// may use all 32 bits; decimal ones must fit a signed 32-bit integer.
std::optional<std::uint32_t> parseInteger(const std::string& text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int d = digitValue(text[i], base);
    if (d < 0) return std::nullopt;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (base == 10) {
    if (negative ? value > 0x80000000ull : value > 0x7FFFFFFFull) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(value);
  return negative ? static_cast<std::uint32_t>(0u - bits) : bits;
}

}  // namespace

std::vector<std::string> colorNames() {
  std::vector<std::string> names;
  for (const auto& named : kNamedColors) names.emplace_back(named.name);
  return names;
}

std::string colorToText(std::uint32_t color) {
  for (const auto& named : kNamedColors)
    if (named.value == color) return named.name;
  if (color == kDefault.value) return kDefault.name;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "$%08X", color);
  return buffer;
}

std::optional<std::uint32_t> textToColor(const std::string& text) {
  for (const auto& named : kNamedColors)
    if (sameTextAscii(text, named.name)) return named.value;
  if (sameTextAscii(text, kDefault.name)) return kDefault.value;
  return parseInteger(text);
}

std::uint32_t colorFromText(const std::string& text) {
  if (auto c = textToColor(text)) return *c;
  throw notAValidInteger(text);
}

std::optional<int> systemColorIndex(std::uint32_t color) {
  if ((color & kSystemColorFlag) == 0) return std::nullopt;
  return static_cast<int>(color & 0xFF);
}

}  // namespace markloom
