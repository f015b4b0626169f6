#include "core/text/utf8_detector.h"

#include <algorithm>

#include "core/text/text_encoding.h"

namespace markloom {

namespace {

// The length of the character a lead byte starts; 0 for a byte that starts none.
std::size_t sequenceLength(unsigned char first) {
  return first >= 0xC2 && first <= 0xDF   ? 2
         : first >= 0xE0 && first <= 0xEF ? 3
         : first >= 0xF0 && first <= 0xF4 ? 4
                                          : 0;
}

// Where the last character of bytes starts when it is incomplete (its lead
// byte asks for more bytes than follow); bytes.size() otherwise.
std::size_t incompleteTail(std::string_view bytes) {
  std::size_t lead = bytes.size();
  while (lead > 0 && bytes.size() - lead < 3 && (static_cast<unsigned char>(bytes[lead - 1]) & 0xC0) == 0x80) --lead;
  if (lead == 0) return bytes.size();
  --lead;
  const std::size_t needed = sequenceLength(static_cast<unsigned char>(bytes[lead]));
  return needed > bytes.size() - lead ? lead : bytes.size();
}

}  // namespace

void Utf8Detector::feed(std::string_view piece) {
  if (!valid_ || piece.empty()) return;
  if (!carry_.empty()) {
    // Complete the character held back with the first bytes of this piece.
    const std::size_t needed = sequenceLength(static_cast<unsigned char>(carry_[0]));
    const std::size_t take = std::min(piece.size(), needed - carry_.size());
    carry_.append(piece.substr(0, take));
    piece.remove_prefix(take);
    if (carry_.size() < needed) return;  // the piece ended first
    valid_ = isValidUtf8(carry_);
    carry_.clear();
    if (!valid_) return;
  }
  const std::size_t cut = incompleteTail(piece);
  if (!isValidUtf8(piece.substr(0, cut))) {
    valid_ = false;
    return;
  }
  carry_.assign(piece.substr(cut));
}

TextCodec Utf8Detector::result() const {
  return TextCodec(valid_ && carry_.empty() ? TextEncoding::Utf8 : TextEncoding::EightBit);
}

}  // namespace markloom
