#pragma once
// Card layout metrics from the installed fonts. Fonts are sized in pixels
// from their point size at the given resolution, the way the layout counts
// them, so measuring and showing agree whatever the screen's own setting.
#include <QFont>

#include "core/wml/font_metrics.h"

namespace markloom {

class QtFontMetrics : public FontMetrics {
 public:
  explicit QtFontMetrics(int pixelsPerInch);

  int pixelsPerInch() const override { return pixelsPerInch_; }
  WmlFont defaultFont() const override;
  PixelSize labelSize(std::string_view text, const WmlFont& font, int wrapWidth) const override;
  int optionButtonHeight() const override;

  // The font a label of the page is shown in.
  QFont qtFont(const WmlFont& font) const;
  // How a label's text is laid out: left, top, words wrapped when asked.
  static int labelFlags(bool wrap);

 private:
  int pixelsPerInch_;
};

}  // namespace markloom
