#pragma once
// What the card layout asks of the font system. The toolkit's side measures
// with the installed fonts; tests use fixed metrics so positions are exact.
#include <string_view>

#include "core/wml/wml_font.h"

namespace markloom {

struct PixelSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

class FontMetrics {
 public:
  virtual ~FontMetrics() = default;

  // The screen resolution the page is laid out for.
  virtual int pixelsPerInch() const = 0;
  // The toolkit's default font: the start of the save slot of BIG and SMALL,
  // and the font of option buttons.
  virtual WmlFont defaultFont() const = 0;
  // The size a label needs to show text (UTF-8) in font. With wrapWidth > 0
  // words wrap within that width and the result is at most that wide; with 0
  // the text does not wrap. A line feed always starts a new line.
  virtual PixelSize labelSize(std::string_view text, const WmlFont& font, int wrapWidth) const = 0;
  // The height of an option button labelled in the default font.
  virtual int optionButtonHeight() const = 0;
};

// The pixel height of a font: points * pixelsPerInch / 72, rounded half up
// (13 for 10 points at 96 pixels per inch).
int fontPixelHeight(int points, int pixelsPerInch);

}  // namespace markloom
