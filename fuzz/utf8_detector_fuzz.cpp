// The encoding of a file judged in pieces against the judgement of the whole:
// the first byte chooses the piece size (1 to 256 bytes), the rest is the
// text. Both must agree, wherever the pieces cut a character.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/text/text_codec.h"
#include "core/text/utf8_detector.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = std::size_t{data[0]} + 1;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  markloom::Utf8Detector detector;
  for (std::size_t at = 0; at < text.size(); at += piece) detector.feed(text.substr(at, piece));
  if (detector.result() != markloom::TextCodec::detect(text)) std::abort();
  return 0;
}
