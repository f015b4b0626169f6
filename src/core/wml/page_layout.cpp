#include "core/wml/page_layout.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/text/text_encoding.h"

namespace markloom {

namespace {

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte that starts none.
std::size_t utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Normalised text of a UTF-8 document. The tokenizer decodes character
// references to single 8-bit characters ("&eacute;" to byte 233), which are
// no UTF-8; any byte that is not part of a valid sequence came that way and
// is read as 8-bit text, so the reference shows as the character it names.
std::string decodeUtf8Text(std::string_view bytes) {
  static const TextCodec eightBit(TextEncoding::EightBit);
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = utf8Length(static_cast<unsigned char>(bytes[i]));
    if (n > 0 && i + n <= bytes.size() && isValidUtf8(bytes.substr(i, n))) {
      out.append(bytes.substr(i, n));
      i += n;
    } else {
      out += eightBit.decode(bytes.substr(i, 1));
      ++i;
    }
  }
  return out;
}

constexpr int kLeft = 2;  // the pen's left edge, and its start at the top
constexpr int kRuleHeight = 3;
constexpr int kFieldHeight = 19;
constexpr int kOptionGap = 5;

}  // namespace

class PageLayout::Builder {
 public:
  Builder(const PageSetup& setup, ItemSink onItem)
      : setup_(setup), onItem_(std::move(onItem)), saved_(setup.metrics.defaultFont()), lineHeight_(pixelHeight()) {}

  void add(const HtmlToken& token) {
    if (const auto* tag = std::get_if<TagToken>(&token)) {
      option_ = false;  // any tag ends an option's text, even one inside it
      apply(*tag);
    } else {
      place(std::get<TextToken>(token));
    }
  }

  const std::string& caption() const { return caption_; }

 private:
  using Row = void (Builder::*)(const TagToken&);
  struct TagRow {
    std::string_view name;
    Row effect;
  };

  // Names are matched exactly as the tokenizer gives them: "BR/" and "INPUT/"
  // are written with the slash against the name; "BR /" is a BR and does nothing.
  void apply(const TagToken& tag) {
    static constexpr TagRow rows[] = {
        {"BIG", &Builder::big},        {"/BIG", &Builder::endSize},      {"SMALL", &Builder::small},
        {"/SMALL", &Builder::endSize}, {"BR/", &Builder::lineBreak},     {"STRONG", &Builder::boldOn},
        {"B", &Builder::boldOn},       {"/STRONG", &Builder::boldOff},   {"/B", &Builder::boldOff},
        {"EM", &Builder::italicOn},    {"I", &Builder::italicOn},        {"/EM", &Builder::italicOff},
        {"/I", &Builder::italicOff},   {"U", &Builder::underlineOn},     {"/U", &Builder::underlineOff},
        {"HR", &Builder::rule},        {"INPUT/", &Builder::textField},  {"IMG", &Builder::pictures},
        {"CARD", &Builder::card},      {"PRE", &Builder::pre},           {"/PRE", &Builder::endPre},
        {"OPTION", &Builder::option},  {"/OPTION", &Builder::endOption}, {"GO", &Builder::go},
        {"/GO", &Builder::endGo},
    };
    for (const TagRow& row : rows) {
      if (row.name == tag.name) {
        (this->*row.effect)(tag);
        return;
      }
    }
  }

  int pixelHeight() const { return fontPixelHeight(font_.points, setup_.metrics.pixelsPerInch()); }
  int clientWidthLess(int margin) const { return std::max(0, setup_.clientWidth - margin); }
  std::string decode(std::string_view bytes) const { return setup_.codec.decode(bytes); }
  // A text token's normalised text, character references decoded.
  std::string decodeText(const TextToken& token) const {
    return setup_.codec.encoding() == TextEncoding::Utf8 ? decodeUtf8Text(token.text) : decode(token.text);
  }

  // BIG and SMALL share one save slot and replace the whole style with bold.
  void resize(int points) {
    saved_ = font_;
    font_.points = points;
    font_.bold = true;
    font_.italic = font_.underline = false;
    lineHeight_ = pixelHeight();
  }
  void big(const TagToken&) { resize(24); }
  void small(const TagToken&) { resize(7); }
  // The restored font's height is added on top of the line: a closing size tag
  // leaves a gap below the big or small text.
  void endSize(const TagToken&) {
    y_ += lineHeight_;
    x_ = kLeft;
    font_ = saved_;
    y_ += pixelHeight();
    lineHeight_ = pixelHeight();
  }
  void lineBreak(const TagToken&) {
    y_ += lineHeight_;
    lineHeight_ = pixelHeight();
    x_ = kLeft;
  }
  void boldOn(const TagToken&) { font_.bold = true; }
  void boldOff(const TagToken&) { font_.bold = false; }
  void italicOn(const TagToken&) { font_.italic = true; }
  void italicOff(const TagToken&) { font_.italic = false; }
  void underlineOn(const TagToken&) { font_.underline = true; }
  void underlineOff(const TagToken&) { font_.underline = false; }

  // Rules and fields stand on a line of their own with half a line above and below.
  void blockItem(WmlItemKind kind, int height) {
    y_ += lineHeight_ + lineHeight_ / 2;
    x_ = kLeft;
    lineHeight_ = pixelHeight();
    WmlItem item;
    item.kind = kind;
    item.x = kLeft;
    item.y = y_;
    item.width = clientWidthLess(20);
    item.height = height;
    onItem_(item);
    y_ += height + lineHeight_ / 2;
  }
  void rule(const TagToken&) { blockItem(WmlItemKind::Rule, kRuleHeight); }
  void textField(const TagToken&) { blockItem(WmlItemKind::TextField, kFieldHeight); }

  // Pictures sit at the pen in a row; they move neither the line nor its height.
  void pictures(const TagToken& tag) {
    for (const TagAttribute& a : tag.attributes) {
      if (a.name != "SRC") continue;
      WmlItem item;
      item.x = x_;
      item.y = y_;
      const std::string source = decode(a.value);
      if (auto found = setup_.pictures.find(source)) {
        item.kind = found->readable ? WmlItemKind::Picture : WmlItemKind::PictureBox;
        item.text = std::move(found->path);
        item.width = found->size.width;
        item.height = found->size.height;
      } else {
        item.kind = WmlItemKind::MissingPicture;
        item.text = source;
        item.width = item.height = kMissingPictureSize;
      }
      x_ += item.width;
      onItem_(item);
    }
  }

  // The last title wins, across cards too.
  void card(const TagToken& tag) { applyCardTitles(tag, setup_.codec, caption_); }

  void pre(const TagToken&) {
    x_ = kLeft;
    y_ += lineHeight_;
    preformatted_ = true;
  }
  void endPre(const TagToken&) {
    x_ = kLeft;
    y_ += lineHeight_;
    lineHeight_ = pixelHeight();
    preformatted_ = false;
  }
  void option(const TagToken&) {
    x_ = kLeft;
    y_ += lineHeight_ + kOptionGap;
    option_ = true;
  }
  void endOption(const TagToken&) {
    x_ = kLeft;
    y_ += lineHeight_;
    lineHeight_ = pixelHeight();
    option_ = false;
  }
  // A self-closing GO has no end, so the link runs on to the next /GO.
  void go(const TagToken& tag) {
    link_ = true;
    target_.clear();
    for (const TagAttribute& a : tag.attributes)
      if (a.name == "HREF") target_ = a.value;
  }
  void endGo(const TagToken&) { link_ = false; }

  void place(const TextToken& token) {
    WmlItem item;
    item.x = x_;
    item.y = y_;
    if (option_) {
      // The pen stays: the option's end moves down past it.
      item.kind = WmlItemKind::OptionButton;
      item.text = decodeText(token);
      item.font = setup_.metrics.defaultFont();
      item.width = clientWidthLess(2);
      item.height = setup_.metrics.optionButtonHeight();
      onItem_(item);
      return;
    }
    item.kind = WmlItemKind::Label;
    item.font = font_;
    if (preformatted_) {
      item.font.family = "Courier";
      item.font.points = 10;
      item.text = decode(token.raw);
    } else {
      item.text = decodeText(token);
      item.wrapWidth = std::max(1, setup_.clientWidth - 18);
    }
    if (link_) {
      item.font.bold = item.font.italic = false;
      item.font.underline = true;
      item.textColor = kLinkText;
      item.background = kLinkBackground;
      item.link = decode(target_);
    }
    const PixelSize size = setup_.metrics.labelSize(item.text, item.font, item.wrapWidth);
    item.width = size.width;
    item.height = size.height;
    // Only the last label's height counts for the next line break.
    x_ += size.width;
    lineHeight_ = size.height;
    onItem_(item);
  }

  const PageSetup setup_;  // a copy: the layout may outlive the caller's set-up
  ItemSink onItem_;
  std::string caption_ = kViewerCaption;
  WmlFont font_{"Arial", 10};
  WmlFont saved_;
  int x_ = kLeft;
  int y_ = kLeft;
  int lineHeight_;
  bool link_ = false;
  std::string target_;
  bool preformatted_ = false;
  bool option_ = false;
};

PageLayout::PageLayout(const PageSetup& setup, ItemSink onItem)
    : builder_(std::make_unique<Builder>(setup, std::move(onItem))) {}
PageLayout::~PageLayout() = default;
void PageLayout::add(const HtmlToken& token) { builder_->add(token); }
const std::string& PageLayout::caption() const { return builder_->caption(); }

void applyCardTitles(const TagToken& card, const TextCodec& codec, std::string& caption) {
  for (const TagAttribute& a : card.attributes) {
    if (a.name != "TITLE") continue;
    caption = a.value.empty() ? std::string(kViewerCaption) : codec.decode(a.value) + " - " + kViewerCaption;
  }
}

WmlPage layOutPage(const std::vector<HtmlToken>& tokens, const PageSetup& setup) {
  WmlPage page;
  page.clientWidth = setup.clientWidth;
  page.clientHeight = setup.clientHeight;
  PageLayout layout(setup, [&page](const WmlItem& item) { page.items.push_back(item); });
  for (const HtmlToken& token : tokens) layout.add(token);
  page.caption = layout.caption();
  return page;
}

}  // namespace markloom
