// A previewed card is whatever the user selected. On any bytes the layout must
// not crash, must place items only downwards with sizes that are never
// negative, must give the same page item by item as all at once, and its JSON
// must have one line per item. Picture sources are read as WBMP headers, so the
// header reader sees arbitrary bytes too.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/tag_tokenizer.h"
#include "core/text/text_codec.h"
#include "core/wml/fixed_metrics.h"
#include "core/wml/page_json.h"
#include "core/wml/page_layout.h"
#include "core/wml/picture_files.h"

namespace {

class HeaderPictures : public markloom::PictureSource {
 public:
  std::optional<markloom::PictureFacts> find(std::string_view source) override {
    const auto size = markloom::wbmpSize(source);
    if (!size) return std::nullopt;
    if (size->width <= 0 || size->height <= 0) std::abort();
    return markloom::PictureFacts{std::string(source), *size, false};
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace markloom;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const test::FixedMetrics metrics;
  HeaderPictures pictures;
  const PageSetup setup{metrics, pictures, TextCodec::detect(bytes), 199, 303};
  const std::vector<HtmlToken> tokens = tokenizeBytes(bytes);
  const WmlPage page = layOutPage(tokens, setup);

  int lastY = 0;
  for (const WmlItem& item : page.items) {
    if (item.y < lastY || item.width < 0 || item.height < 0 || item.x < 0) std::abort();
    lastY = item.y;
  }

  std::vector<WmlItem> streamed;
  PageLayout layout(setup, [&streamed](const WmlItem& item) { streamed.push_back(item); });
  for (const HtmlToken& token : tokens) layout.add(token);
  layout.finish();
  if (streamed != page.items || layout.caption() != page.caption) std::abort();

  const std::string json = pageJson(page);
  std::size_t lines = 0;
  for (const char c : json) lines += c == '\n' ? 1 : 0;
  if (lines != page.items.size() + 1) std::abort();
  return 0;
}
