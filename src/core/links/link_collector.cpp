#include "core/links/link_collector.h"

#include "core/analysis/html_tokens.h"
#include "core/analysis/tag_scanner.h"
#include "core/text/file_io.h"

namespace markloom {

namespace {

struct Target {
  const char* element;
  const char* attribute;
  bool LinkOptions::*enabled;
};

// Which attribute of which element is a link, and the option that asks for it.
constexpr Target kTargets[] = {
    {"A", "HREF", &LinkOptions::hyperlinks},
    {"IMG", "SRC", &LinkOptions::images},
    {"SCRIPT", "SRC", &LinkOptions::scripts},
    {"EMBED", "SRC", &LinkOptions::objects},
};

class LinkSink : public TokenSink {
 public:
  LinkSink(const LinkOptions& options, std::vector<FoundLink>& links) : options_(options), links_(links) {}
  void tag(std::string_view tagText, int line) override {
    const std::string name = toUpperAscii(tagNamePart(tagText));
    for (const Target& t : kTargets) {
      if (!(options_.*t.enabled) || name != t.element) continue;
      forEachAttributePiece(tagText, [&](std::string_view piece) {
        if (toUpperAscii(pieceNamePart(piece)) != t.attribute) return;
        links_.push_back({makeAttribute(piece).value, line});
      });
    }
  }
  void text(std::string_view, int) override {}

 private:
  const LinkOptions& options_;
  std::vector<FoundLink>& links_;
};

}  // namespace

std::vector<FoundLink> collectLinks(std::string_view page, const LinkOptions& options) {
  std::vector<FoundLink> links;
  LinkSink sink(options, links);
  TagScanner scanner(sink);
  scanner.feed(page);
  scanner.finish();
  return links;
}

std::vector<FoundLink> collectLinksInFile(const std::string& path, const LinkOptions& options) {
  std::vector<FoundLink> links;
  LinkSink sink(options, links);
  ScanLimits limits;
  limits.keepText = false;
  limits.tagHead = kLinkTagBytes;
  TagScanner scanner(sink, TagLines::Joined, limits);
  readFileInPieces(path, [&](std::string_view piece) { scanner.feed(piece); });
  scanner.finish();
  return links;
}

}  // namespace markloom
