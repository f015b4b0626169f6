#pragma once
// The scanning half of the tag tokenizer: splits text at '<' and '>' and hands
// each finished tag text and text run to a sink, without building tokens.
// Input comes either as lines (no line-end characters) or as raw file bytes in
// chunks of any size, where CR LF, a lone CR or a lone LF each end a line, as
// line-list files are read. Both give the same results, and the work is linear
// in the input.
#include <string>
#include <string_view>

#include "core/text/byte_buffer.h"

namespace markloom {

class TokenSink {
 public:
  virtual ~TokenSink() = default;
  // The text between '<' and '>' (lines of the tag joined with nothing between).
  // A '>' outside any tag reports an empty tag text.
  virtual void tag(std::string_view tagText, int line) = 0;
  // A run of text, with a line feed for every line end inside it.
  virtual void text(std::string_view raw, int line) = 0;
  // A tag longer than the scanner keeps (see TagScanner::Limits): its first
  // bytes and its last ones, the middle dropped. A sink that never meets
  // such a scanner need not care.
  virtual void longTag(std::string_view head, std::string_view /*tail*/, int line) { tag(head, line); }
};

// What a scanner keeps of its input. The defaults keep everything; a check
// that reads only tag names and attributes can bound its memory on any input.
struct ScanLimits {
  bool keepText = true;                     // false: text runs are not collected...
  bool textPieces = false;                  // ...but, when this is set, reported piece by piece as read
  std::size_t tagHead = std::string::npos;  // bytes of a tag's text kept from its start
  std::size_t tagTail = 256;                // and, for a longer tag, from its end
};

// How the lines of a tag that spans several lines are joined in its text.
enum class TagLines {
  Joined,  // with nothing between, as the tokenizer defines it
  Marked,  // with a line feed between, for checks that read line ends as white space
};

class TagScanner {
 public:
  explicit TagScanner(TokenSink& sink, TagLines tagLines = TagLines::Joined, ScanLimits limits = {})
      : sink_(sink), markTagLines_(tagLines == TagLines::Marked), limits_(limits) {}

  void feedLine(std::string_view line);
  void feed(std::string_view bytes);
  // Ends the input: flushes an unfinished last line, an unclosed tag and the
  // pending text. The scanner is then ready for a new input.
  void finish();

 private:
  // SplitLines: CR and LF end lines (file bytes); otherwise they are ordinary
  // characters of a line handed over whole.
  template <bool SplitLines>
  void scan(std::string_view part);
  void endLine();
  void appendText(std::string_view chunk);
  void appendTag(std::string_view chunk);
  void appendTagByte(char c) { appendTag(std::string_view(&c, 1)); }
  // Hands the finished tag (chunk: its last bytes, not yet stored) to the sink.
  void endTag(std::string_view chunk);

  TokenSink& sink_;
  bool markTagLines_;
  ScanLimits limits_;
  ByteBuffer pendingText_;
  ByteBuffer pendingTag_;  // a long tag's head only
  std::string tagTail_;    // a long tag's last bytes (up to twice the tail kept, trimmed in steps)
  bool tagCut_ = false;    // pendingTag_ reached the head limit
  bool insideTag_ = false;
  int line_ = 0;
  int textLine_ = 0;
  int tagLine_ = 0;
  bool crPending_ = false;     // the last byte fed was a CR, so an LF now ends nothing
  bool lineHasBytes_ = false;  // the current line has bytes and is not yet ended
};

}  // namespace markloom
