#pragma once
// Lays out WML as the card viewer shows it: one pass over the tag
// tokenizer's tokens, top to bottom, left to right. Recognised tags move the
// pen, switch the font or place rules, fields and pictures; every text becomes
// a label (or an option button inside an option) at the pen.
#include <vector>

#include "core/analysis/html_tokens.h"
#include "core/text/text_codec.h"
#include "core/wml/font_metrics.h"
#include "core/wml/picture_source.h"
#include "core/wml/wml_page.h"

namespace markloom {

// The marker that takes the place of a picture that could not be found.
inline constexpr int kMissingPictureSize = 12;

struct PageSetup {
  const FontMetrics& metrics;
  PictureSource& pictures;
  TextCodec codec;      // how the tokens' bytes are read as text
  int clientWidth = 0;  // the viewer's client area
  int clientHeight = 0;
};

WmlPage layOutPage(const std::vector<HtmlToken>& tokens, const PageSetup& setup);

}  // namespace markloom
