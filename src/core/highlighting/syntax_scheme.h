#pragma once
// Colouring schemes: blocks of a language nested by parent, each entered at a
// left delimiter and left at its right one, with comments, strings, numbers,
// identifiers and a keyword set. The styler colours text line by line, so the
// editor can restart it at any line from the state stored at the line before.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace markloom {

// What a character is inside its block.
enum class TokenClass : std::uint8_t { Text, Comment, String, Number, Keyword, Identifier, Delimiter };
constexpr int kTokenClassCount = 7;

struct TokenStyle {
  std::uint32_t color = 0;  // 0xRRGGBB
  bool bold = false;
  bool italic = false;
  bool operator==(const TokenStyle&) const = default;
};

struct SchemeBlock {
  std::string name;
  int parent = -1;                                              // index of the parent block; -1 for the outermost block
  std::vector<std::pair<std::string, std::string>> delimiters;  // enter, leave
  std::vector<std::string> lineComments;
  std::vector<std::pair<std::string, std::string>> blockComments;
  std::string quotes;  // characters that open a one-line string
  std::string escape;  // empty, or the character that keeps the next one inside a string ("\\")
  bool numbers = false;
  std::vector<std::string> numberPrefixes;  // "#", "0x": start a number too
  std::vector<std::string> identifierPrefixes;
  std::string keywordSetName;
  std::vector<std::string> keywords;
  bool caseSensitive = false;
  std::string lineContinuation;  // kept with the scheme; strings still end at the line end
  TokenStyle styles[kTokenClassCount];
  std::int64_t background = -1;  // 0xRRGGBB, or -1 for the editor's own
  bool operator==(const SchemeBlock&) const = default;
};

struct SyntaxScheme {
  std::string name;
  std::vector<SchemeBlock> blocks;  // blocks[0] is the outermost
  bool operator==(const SyntaxScheme&) const = default;
};

// The built-in "Default" scheme: HTML with ASP, PHP, JavaScript and style sheets.
SyntaxScheme defaultScheme();

// The editor style number of a token class in a block (skipping the numbers
// 32 to 39 that the editor keeps for itself).
int styleNumber(int block, TokenClass cls);

// Colours text. State 0 is the start of a text; styleLine returns the state at
// the end of the line (line = its bytes, line end included or not).
class SchemeStyler {
 public:
  explicit SchemeStyler(const SyntaxScheme& scheme);
  const SyntaxScheme& scheme() const { return scheme_; }
  // Appends one style number per byte of line to styles.
  int styleLine(std::string_view line, int state, std::vector<unsigned char>& styles) const;
  // Whole text, for tests: one style per byte.
  std::vector<unsigned char> styleText(std::string_view text) const;

 private:
  struct Opener {
    std::string text;  // lower case unless the block is case-sensitive
    enum Kind { Child, Leave, BlockComment, LineComment } kind;
    int index;  // child block, or comment pair
    int pair;   // delimiter pair of the child
  };
  struct Compiled {
    std::vector<Opener> openers;  // longest first
    bool firstChar[256] = {};
    std::vector<std::string> keywords;      // sorted, lower case unless case-sensitive
    std::vector<std::string> leave;         // per delimiter pair, as matched
    std::vector<std::string> commentClose;  // per block comment, as matched
    int depth = 0;                          // 0 for the outermost block
  };
  bool matches(std::string_view line, std::size_t at, const std::string& text, bool caseSensitive) const;
  // Length of the enter delimiter text matched at line[at], where a "*" stands
  // for nothing or a blank and any characters up to the text's next character
  // ("<script*>" matches "<script>" and "<script src=a.js>", not "<scripts>");
  // npos when it does not match.
  std::size_t enterLength(std::string_view line, std::size_t at, const std::string& text, bool caseSensitive) const;
  const Opener* openerAt(int block, int pair, std::string_view line, std::size_t at) const;
  bool isKeyword(int block, std::string_view word) const;

  SyntaxScheme scheme_;
  std::vector<Compiled> compiled_;
};

}  // namespace markloom
