#pragma once
// The tokens of a scan as JSON lines (the form of token_json.h), written
// straight from the scanner's text: no token is built, strings are escaped a
// slice at a time, and the output goes out in bounded blocks. Memory stays at
// the largest token the scanner holds, whatever the escapes multiply it to.
#include <functional>
#include <string>
#include <string_view>

#include "core/analysis/tag_scanner.h"

namespace markloom {

class TokenJsonStream : public TokenSink {
 public:
  using Output = std::function<void(std::string_view)>;
  // Output receives blocks of about blockBytes (the last one may be shorter).
  explicit TokenJsonStream(Output output, std::size_t blockBytes = 1 << 20);
  ~TokenJsonStream() override;

  void tag(std::string_view tagText, int line) override;
  void text(std::string_view raw, int line) override;
  // Hands on what is still buffered.
  void flush();

 private:
  void literal(std::string_view text);
  // A JSON string of bytes, upper-cased (ASCII letters) when upper.
  void string(std::string_view bytes, bool upper = false);
  void normalizedString(std::string_view raw);
  void attribute(std::string_view piece);
  void spill();

  Output output_;
  std::size_t blockBytes_;
  std::string out_;
  std::string slice_;
};

// normalizeText(raw) handed on in slices of about sliceBytes: blank runs and
// references are read across slice edges as in one piece.
void normalizeTextInSlices(std::string_view raw, std::size_t sliceBytes,
                           const std::function<void(std::string_view)>& onSlice);

}  // namespace markloom
