#include "core/wml/page_layout.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "core/analysis/character_references.h"

namespace markloom {

namespace {

// The character references of decoded text (UTF-8) replaced by the characters
// they name. What counts as a reference is the tag tokenizer's rule
// (decodeReferences): from '&' to the first ';' or blank, which belongs to
// it. Each reference is decoded on its own, to the 8-bit character of its code
// read as Windows-1252 (as a browser reads &#150;), and what it decodes to is
// never examined again: "&Acirc;&deg;" is "Â°", not the "°" its two 8-bit
// bytes would make as UTF-8.
std::string decodeReferencesToUtf8(std::string_view text) {
  static const TextCodec eightBit(TextEncoding::EightBit);
  std::string out;
  out.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t amp = text.find('&', at);
    if (amp == std::string_view::npos) {
      out.append(text.substr(at));
      break;
    }
    out.append(text.substr(at, amp - at));
    std::size_t end = amp + 1;
    while (end < text.size() && text[end] != ';' && text[end] != ' ' && text[end] != '&') ++end;
    if (end == text.size() || text[end] == '&') {  // no reference: a later '&' may start one
      out.append(text.substr(amp, end - amp));
      at = end;
      continue;
    }
    const std::string_view reference = text.substr(amp, end - amp + 1);
    const std::string decoded = decodeReferences(reference);
    if (decoded.size() == 1)
      out += eightBit.decode(decoded);
    else
      out.append(reference);
    at = end + 1;
  }
  return out;
}

// Whether a tag ends in the slash of an empty element ("<input name="n"/>").
bool selfClosing(const TagToken& tag) { return !tag.raw.empty() && tag.raw.back() == '/'; }

// An attribute's value as the card means it: the tokenizer leaves the slash of
// a self-closing tag on its last value ('href="#news"/' gives '"#news"/') and
// keeps quotes it did not find at both ends; both are taken off here.
std::string_view attributeValue(const TagToken& tag, const TagAttribute& attribute) {
  std::string_view value = attribute.value;
  if (selfClosing(tag) && &attribute == &tag.attributes.back() && !value.empty() && value.back() == '/')
    value.remove_suffix(1);
  if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

// The value of the last attribute called name, if the tag has one.
std::optional<std::string_view> lastValue(const TagToken& tag, std::string_view name) {
  std::optional<std::string_view> value;
  for (const TagAttribute& a : tag.attributes)
    if (a.name == name) value = attributeValue(tag, a);
  return value;
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
    const auto* tag = std::get_if<TagToken>(&token);
    if (anchor_) {
      collect(token, tag);
      return;
    }
    if (tag && tag->name == "ANCHOR") {
      startAnchor();
    }
    lay(token);
  }

  void finish() {
    if (anchor_) endAnchor();
  }

  const std::string& caption() const { return caption_; }

 private:
  using Row = void (Builder::*)(const TagToken&);
  struct TagRow {
    std::string_view name;
    Row effect;
  };

  void lay(const HtmlToken& token) {
    if (const auto* tag = std::get_if<TagToken>(&token)) {
      option_ = false;  // any tag ends an option's text, even one inside it
      apply(*tag);
    } else {
      place(std::get<TextToken>(token));
    }
  }

  // Names are matched exactly as the tokenizer gives them: "BR/" and "INPUT/"
  // are written with the slash against the name; "BR /" is a BR and does
  // nothing. An INPUT is a field whenever it closes itself.
  void apply(const TagToken& tag) {
    static constexpr TagRow rows[] = {
        {"BIG", &Builder::big},        {"/BIG", &Builder::endSize},     {"SMALL", &Builder::small},
        {"/SMALL", &Builder::endSize}, {"BR/", &Builder::lineBreak},    {"STRONG", &Builder::boldOn},
        {"B", &Builder::boldOn},       {"/STRONG", &Builder::boldOff},  {"/B", &Builder::boldOff},
        {"EM", &Builder::italicOn},    {"I", &Builder::italicOn},       {"/EM", &Builder::italicOff},
        {"/I", &Builder::italicOff},   {"U", &Builder::underlineOn},    {"/U", &Builder::underlineOff},
        {"HR", &Builder::rule},        {"INPUT/", &Builder::textField}, {"INPUT", &Builder::input},
        {"IMG", &Builder::pictures},   {"CARD", &Builder::card},        {"PRE", &Builder::pre},
        {"/PRE", &Builder::endPre},    {"OPTION", &Builder::option},    {"/OPTION", &Builder::endOption},
        {"GO", &Builder::go},          {"/GO", &Builder::endLink},      {"A", &Builder::a},
        {"/A", &Builder::endLink},
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
  // A text's characters: line feeds as blanks and blank runs as one, the
  // bytes decoded once through the document's codec, then the character
  // references.
  std::string decodeText(const TextToken& token) const {
    std::string collapsed;
    collapsed.reserve(token.raw.size());
    bool lastBlank = false;
    for (const char c : token.raw) appendCollapsed(c, lastBlank, collapsed);
    return decodeReferencesToUtf8(decode(collapsed));
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
  void input(const TagToken& tag) {
    if (selfClosing(tag)) textField(tag);
  }

  // Pictures sit at the pen in a row; they move neither the line nor its
  // height. Each item's text is the source value as written (decoded); a
  // picture that was found also has the file it was found in.
  void pictures(const TagToken& tag) {
    for (const TagAttribute& a : tag.attributes) {
      if (a.name != "SRC") continue;
      WmlItem item;
      item.x = x_;
      item.y = y_;
      item.text = decode(attributeValue(tag, a));
      if (auto found = setup_.pictures.find(item.text)) {
        item.kind = found->readable ? WmlItemKind::Picture : WmlItemKind::PictureBox;
        item.path = std::move(found->path);
        item.width = found->size.width;
        item.height = found->size.height;
      } else {
        item.kind = WmlItemKind::MissingPicture;
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

  // Links. A GO links the texts up to the next /GO, to its last HREF (none:
  // an empty target); a self-closing GO has no end of its own, so outside an
  // anchor its link runs on to the next /GO. An A with an HREF links the texts
  // up to the next /A (a self-closing one links nothing). Inside an ANCHOR that holds a GO, the anchor's own
  // texts are the link and the GO, A and their ends do nothing more.
  void go(const TagToken& tag) {
    if (anchorTarget_) return;
    link_ = true;
    target_ = decode(lastValue(tag, "HREF").value_or(""));
  }
  void a(const TagToken& tag) {
    if (anchorTarget_) return;
    const auto href = lastValue(tag, "HREF");
    if (!href || selfClosing(tag)) return;  // an empty A holds no text to link
    link_ = true;
    target_ = decode(*href);
  }
  void endLink(const TagToken&) {
    if (!anchorTarget_) link_ = false;
  }

  // An ANCHOR's tokens wait for its end, as its link (the HREF of the GO
  // inside) is only known there; then they are laid out as usual with every
  // text a link. One that grows past kAnchorBytes is laid out as it stands
  // and the rest of it is read as if it were not in an anchor.
  static constexpr std::size_t kAnchorBytes = 64 * 1024;
  struct Anchor {
    std::vector<HtmlToken> tokens;
    std::optional<std::string> target;  // the last GO's HREF, decoded
    std::size_t bytes = 0;
  };
  void startAnchor() { anchor_.emplace(); }
  void collect(const HtmlToken& token, const TagToken* tag) {
    if (tag && tag->name == "/ANCHOR") {
      endAnchor();
      lay(token);
      return;
    }
    if (tag && tag->name == "ANCHOR") {  // anchors do not nest: a new one ends the last
      endAnchor();
      startAnchor();
      lay(token);
      return;
    }
    if (tag && (tag->name == "GO" || tag->name == "GO/"))
      anchor_->target = decode(lastValue(*tag, "HREF").value_or(""));
    anchor_->bytes += tag ? tag->raw.size() : std::get<TextToken>(token).raw.size();
    anchor_->tokens.push_back(token);
    if (anchor_->bytes > kAnchorBytes) {
      anchor_->target.reset();
      endAnchor();
    }
  }
  void endAnchor() {
    Anchor anchor = std::move(*anchor_);
    anchor_.reset();
    anchorTarget_ = std::move(anchor.target);
    for (const HtmlToken& token : anchor.tokens) lay(token);
    anchorTarget_.reset();
  }

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
    if (anchorTarget_ || link_) {
      item.font.bold = item.font.italic = false;
      item.font.underline = true;
      item.textColor = kLinkText;
      item.background = kLinkBackground;
      item.link = anchorTarget_ ? *anchorTarget_ : target_;
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
  std::string target_;  // decoded
  std::optional<Anchor> anchor_;
  std::optional<std::string> anchorTarget_;  // while an anchor's tokens are laid out
  bool preformatted_ = false;
  bool option_ = false;
};

PageLayout::PageLayout(const PageSetup& setup, ItemSink onItem)
    : builder_(std::make_unique<Builder>(setup, std::move(onItem))) {}
PageLayout::~PageLayout() = default;
void PageLayout::add(const HtmlToken& token) { builder_->add(token); }
void PageLayout::finish() { builder_->finish(); }
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
  layout.finish();
  page.caption = layout.caption();
  return page;
}

}  // namespace markloom
