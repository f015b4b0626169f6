#include "core/analysis/tag_tokenizer.h"

namespace markloom {

std::vector<HtmlToken> tokenizeLines(const std::vector<std::string>& lines) {
  std::vector<HtmlToken> tokens;
  TokenCollector collector(tokens);
  TagScanner scanner(collector);
  for (const auto& line : lines) scanner.feedLine(line);
  scanner.finish();
  return tokens;
}

std::vector<HtmlToken> tokenizeBytes(std::string_view bytes) {
  std::vector<HtmlToken> tokens;
  TokenCollector collector(tokens);
  TagScanner scanner(collector);
  scanner.feed(bytes);
  scanner.finish();
  return tokens;
}

}  // namespace markloom
