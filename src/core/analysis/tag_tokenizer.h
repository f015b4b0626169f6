#pragma once
// TagTokenizer: lines in, an ordered list of tag and text tokens out. A fresh
// parser is used for each run; it owns its tokens.
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/html_tokens.h"
#include "core/analysis/tag_scanner.h"

namespace markloom {

// A sink that builds full tokens into a list.
class TokenCollector : public TokenSink {
 public:
  explicit TokenCollector(std::vector<THTMLToken>& tokens) : tokens_(tokens) {}
  void tag(std::string_view tagText, int line) override { tokens_.emplace_back(makeTag(tagText, line)); }
  void text(std::string_view raw, int line) override { tokens_.emplace_back(makeText(raw, line)); }

 private:
  std::vector<THTMLToken>& tokens_;
};

class TagTokenizer {
 public:
  std::vector<std::string> Lines;   // the input, without line-end characters
  std::vector<THTMLToken> Tokens;   // the output, in document order

  // Tokenizes Lines and appends the tokens to Tokens.
  void Execute();
};

// The tokens of a file's bytes, lines split as line-list files are.
std::vector<THTMLToken> tokenizeBytes(std::string_view bytes);

}  // namespace markloom
