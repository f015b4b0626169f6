// Documents come from outside: any bytes must load, colour and spell-scan
// without fault. The UTF-8 check is compared with a decoder written another
// way; colouring the whole text must equal colouring it line by line; every
// spell word must be the text at its offset; line-end conversion must be stable.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/document/spell_session.h"
#include "core/highlighting/syntax_scheme.h"
#include "core/text/text_encoding.h"

namespace {

// Decodes code points and checks each against the shortest form and the
// Unicode range, instead of checking byte ranges.
bool oracleUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > s.size()) return false;
    std::uint32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k < len; ++k) {
      const auto d = static_cast<unsigned char>(s[i + k]);
      if ((d >> 6) != 2) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    const std::uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += len;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (markloom::isValidUtf8(text) != oracleUtf8(text)) std::abort();

  static const markloom::SchemeStyler styler(markloom::defaultScheme());
  const auto whole = styler.styleText(text);
  if (whole.size() != text.size()) std::abort();
  std::vector<unsigned char> pieces;
  int state = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const bool end = i == text.size();
    if (end || text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
      const std::size_t stop = end ? i : i + 1;
      if (stop > start) state = styler.styleLine(text.substr(start, stop - start), state, pieces);
      start = stop;
    }
  }
  if (pieces != whole) std::abort();

  markloom::SpellOptions all{true, true, true, true, true, true, true};
  for (const auto& options : {markloom::SpellOptions{}, all})
    for (const auto& w : markloom::spellWords(text, options))
      if (w.offset + w.word.size() > text.size() || text.substr(w.offset, w.word.size()) != w.word) std::abort();

  for (auto style : {markloom::LineEnd::CrLf, markloom::LineEnd::Lf, markloom::LineEnd::Cr}) {
    const std::string once = markloom::convertLineEnds(text, style);
    if (markloom::convertLineEnds(once, style) != once) std::abort();
  }
  return 0;
}
