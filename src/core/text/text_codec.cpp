#include "core/text/text_codec.h"

#include "core/text/text_encoding.h"

#include <array>
#include <cstdint>

namespace markloom {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the unassigned ones keep their own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The character starting at text[i]; advances i past it. A malformed or cut
// sequence yields U+FFFD and skips one byte.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char c = byte(i);
  if (c < 0x80) {
    ++i;
    return c;
  }
  int extra = 0;
  char32_t value = 0;
  unsigned char lo = 0x80, hi = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    extra = 1;
    value = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    extra = 2;
    value = c & 0x0F;
    if (c == 0xE0) lo = 0xA0;
    if (c == 0xED) hi = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    extra = 3;
    value = c & 0x07;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;
  } else {
    ++i;
    return kReplacement;
  }
  if (i + static_cast<std::size_t>(extra) >= text.size() || byte(i + 1) < lo || byte(i + 1) > hi) {
    ++i;
    return kReplacement;
  }
  for (int k = 1; k <= extra; ++k) {
    const unsigned char b = byte(i + static_cast<std::size_t>(k));
    if ((b & 0xC0) != 0x80) {
      ++i;
      return kReplacement;
    }
    value = (value << 6) | (b & 0x3F);
  }
  i += static_cast<std::size_t>(extra) + 1;
  return value;
}

// The Windows-1252 byte of c, or -1 when the code page has none.
int windows1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (std::size_t k = 0; k < kHighControls.size(); ++k)
    if (kHighControls[k] == c) return static_cast<int>(0x80 + k);
  return -1;
}

std::string encodeWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = nextCodePoint(utf8, i);
    const int b = windows1252Byte(c);
    if (b >= 0) {
      out += static_cast<char>(b);
    } else {
      out += "&#";
      out += std::to_string(static_cast<std::uint32_t>(c));
      out += ';';
    }
  }
  return out;
}

std::string decodeWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    appendUtf8(out, b >= 0x80 && b <= 0x9F ? kHighControls[b - 0x80] : char32_t{b});
  }
  return out;
}

// Valid UTF-8 comes back unchanged; each malformed byte becomes U+FFFD.
std::string wellFormedUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    const char32_t c = nextCodePoint(text, i);
    if (c == kReplacement && !(i - start == 3 && text.substr(start, 3) == "\xEF\xBF\xBD"))
      appendUtf8(out, kReplacement);
    else
      out.append(text.substr(start, i - start));
  }
  return out;
}

}  // namespace

std::string TextCodec::encode(std::string_view utf8) const {
  return encoding_ == TextEncoding::Utf8 ? wellFormedUtf8(utf8) : encodeWindows1252(utf8);
}

std::string TextCodec::decode(std::string_view bytes) const {
  return encoding_ == TextEncoding::Utf8 ? wellFormedUtf8(bytes) : decodeWindows1252(bytes);
}

TextCodec TextCodec::detect(std::string_view bytes) {
  return TextCodec(isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::EightBit);
}

TextCodec TextCodec::detectCut(std::string_view bytes) {
  if (isValidUtf8(bytes)) return TextCodec(TextEncoding::Utf8);
  // The last sequence: its lead byte and the continuation bytes that follow.
  std::size_t lead = bytes.size();
  while (lead > 0 && bytes.size() - lead < 3 && (static_cast<unsigned char>(bytes[lead - 1]) & 0xC0) == 0x80) --lead;
  if (lead == 0) return TextCodec(TextEncoding::EightBit);
  --lead;
  const auto first = static_cast<unsigned char>(bytes[lead]);
  const std::size_t needed = first >= 0xC2 && first <= 0xDF   ? 2
                             : first >= 0xE0 && first <= 0xEF ? 3
                             : first >= 0xF0 && first <= 0xF4 ? 4
                                                              : 0;
  const bool cutShort = needed > bytes.size() - lead;
  return TextCodec(cutShort && isValidUtf8(bytes.substr(0, lead)) ? TextEncoding::Utf8 : TextEncoding::EightBit);
}

}  // namespace markloom
