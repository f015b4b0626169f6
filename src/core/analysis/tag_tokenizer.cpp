#include "core/analysis/tag_tokenizer.h"

namespace markloom {

void TagTokenizer::Execute() {
  TokenCollector collector(Tokens);
  TagScanner scanner(collector);
  for (const auto& line : Lines) scanner.feedLine(line);
  scanner.finish();
}

std::vector<THTMLToken> tokenizeBytes(std::string_view bytes) {
  std::vector<THTMLToken> tokens;
  TokenCollector collector(tokens);
  TagScanner scanner(collector);
  scanner.feed(bytes);
  scanner.finish();
  return tokens;
}

}  // namespace markloom
