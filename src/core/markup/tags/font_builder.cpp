#include "core/markup/tags/font_builder.h"

#include <cstdio>

namespace markloom::tags {

const std::array<FontStyle, kFontStyleCount>& fontStyles() {
  static const std::array<FontStyle, kFontStyleCount> styles = {{
      {"Bold", "<B>", "</B>"},
      {"Italics", "<I>", "</I>"},
      {"Underline", "<U>", "</U>"},
      {"Typewritter", "<TT>", "</TT>"},
      {"Code", "<CODE>", "</CODE>"},
      {"Blink", "<BLINK>", "</BLINK>"},
      {"Strikethrough", "<STRIKE>", "</STRIKE>"},
      {"Citation", "<CITE>", "</CITE>"},
      {"Keyboard", "<KBD>", "</KBD>"},
      {"Definition", "<DFN>", "</DFN>"},
  }};
  return styles;
}

std::string fontColourText(std::uint32_t bgr) {
  struct Named {
    std::uint32_t value;
    const char* name;
  };
  static const Named standard[] = {
      {0x000000, "Black"},  {0x000080, "Maroon"},  {0x008000, "Green"}, {0x008080, "Olive"},
      {0x800000, "Navy"},   {0x800080, "Purple"},  {0x808000, "Teal"},  {0x808080, "Gray"},
      {0xC0C0C0, "Silver"}, {0x0000FF, "Red"},     {0x00FF00, "Lime"},  {0x00FFFF, "Yellow"},
      {0xFF0000, "Blue"},   {0xFF00FF, "Fuchsia"}, {0xFFFF00, "Aqua"},  {0xFFFFFF, "White"},
  };
  for (const Named& n : standard) {
    if (n.value == bgr) return n.name;
  }
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(bgr));
  return text;
}

Markup fontMarkup(const FontFields& f) {
  std::string open;
  std::string close;
  const auto& styles = fontStyles();
  for (int i = 0; i < kFontStyleCount; ++i) {
    if (f.styles[i]) open += styles[i].open;
  }
  for (int i = kFontStyleCount - 1; i >= 0; --i) {
    if (f.styles[i]) close += styles[i].close;
  }
  open += "<FONT face=\"" + f.name + "\" size=\"" + f.size + "\" color=\"" + f.colour + "\">";
  return wrap(std::move(open), "</FONT>" + close);
}

}  // namespace markloom::tags
