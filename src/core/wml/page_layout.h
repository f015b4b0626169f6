#pragma once
// Lays out WML as the card viewer shows it: one pass over the tag
// tokenizer's tokens, top to bottom, left to right. Recognised tags move the
// pen, switch the font or place rules, fields and pictures; every text becomes
// a label (or an option button inside an option) at the pen.
#include <functional>
#include <memory>
#include <string>
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

// The whole page at once.
WmlPage layOutPage(const std::vector<HtmlToken>& tokens, const PageSetup& setup);

// The same, token by token: each item goes to onItem as soon as it is placed,
// so a long input needs neither its token list nor its item list in memory.
// The one wait: the items of an ANCHOR are placed at its end (or at finish),
// when it is known whether a GO inside makes its texts a link.
class PageLayout {
 public:
  using ItemSink = std::function<void(const WmlItem&)>;
  PageLayout(const PageSetup& setup, ItemSink onItem);
  ~PageLayout();
  PageLayout(const PageLayout&) = delete;
  PageLayout& operator=(const PageLayout&) = delete;

  void add(const HtmlToken& token);
  // The end of the input: places what an unclosed ANCHOR still holds.
  void finish();
  // The caption as the tokens so far leave it.
  const std::string& caption() const;

 private:
  class Builder;
  std::unique_ptr<Builder> builder_;
};

// What a CARD tag does to the caption: each TITLE attribute in turn sets it to
// the title and " - WAP Viewer"; an empty title leaves the plain "WAP Viewer".
void applyCardTitles(const TagToken& card, const TextCodec& codec, std::string& caption);

}  // namespace markloom
