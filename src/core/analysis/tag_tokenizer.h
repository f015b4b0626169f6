#pragma once
// The tag tokenizer: lines or file bytes in, an ordered list of tag and text
// tokens out.
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/html_tokens.h"
#include "core/analysis/tag_scanner.h"

namespace markloom {

// A sink that builds full tokens into a list.
class TokenCollector : public TokenSink {
 public:
  explicit TokenCollector(std::vector<HtmlToken>& tokens) : tokens_(tokens) {}
  void tag(std::string_view tagText, int line) override { tokens_.emplace_back(makeTag(tagText, line)); }
  void text(std::string_view raw, int line) override { tokens_.emplace_back(makeText(raw, line)); }

 private:
  std::vector<HtmlToken>& tokens_;
};

// The tokens of lines given without their line-end characters, in document order.
std::vector<HtmlToken> tokenizeLines(const std::vector<std::string>& lines);

// The tokens of a file's bytes, lines split as line-list files are.
std::vector<HtmlToken> tokenizeBytes(std::string_view bytes);

}  // namespace markloom
