#pragma once
// The Master Font Options output: the chosen style tags around a FONT element,
// wrapped around the selection.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

inline constexpr int kFontStyleCount = 10;

struct FontStyle {
  std::string_view caption;  // the check box's caption
  std::string_view open;
  std::string_view close;
};
// The style boxes in dialog order.
const std::array<FontStyle, kFontStyleCount>& fontStyles();

struct FontFields {
  std::string name;              // written unchanged; may be empty
  std::string size = "2";        // the size field's text, unchecked
  std::string colour = "Black";  // the colour as text, see fontColourText
  std::array<bool, kFontStyleCount> styles{};
  friend bool operator==(const FontFields&, const FontFields&) = default;
};

inline constexpr std::string_view kFontPreviewText = "Aa Bb Cc Dd 123456789";

// A colour 0x00BBGGRR as the colour attribute shows it: the name of one of the
// sixteen standard colours, or '$' and eight upper-case hex digits otherwise.
std::string fontColourText(std::uint32_t bgr);

// A wrap. Style tags open in box order and close in the reverse order, so the
// result nests properly.
Markup fontMarkup(const FontFields& fields);

}  // namespace markloom::tags
