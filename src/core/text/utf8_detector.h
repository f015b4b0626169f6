#pragma once
// TextCodec::detect over a text that arrives in pieces, so a large file can be
// judged without holding it: UTF-8 when all its bytes are valid UTF-8
// (a character may be split between two pieces), otherwise 8-bit text.
#include <string>
#include <string_view>

#include "core/text/text_codec.h"

namespace markloom {

class Utf8Detector {
 public:
  void feed(std::string_view piece);
  // The codec of everything fed: what TextCodec::detect gives for the whole.
  TextCodec result() const;

 private:
  bool valid_ = true;
  std::string carry_;  // the start of a character the next piece completes
};

}  // namespace markloom
