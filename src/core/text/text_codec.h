#pragma once
// The one way text crosses between what the user types or reads (UTF-8) and a
// document's bytes. A UTF-8 document takes the text as it is. An 8-bit
// document holds Windows-1252: each character it has becomes its byte, and a
// character it cannot hold becomes a numeric character reference (&#8364;),
// which every browser reads back as that character. Decoding is the reverse
// and loses nothing: each of the 256 bytes has a character of its own (the
// five bytes Windows-1252 leaves unassigned stand for the C1 controls of the
// same number), so bytes that are decoded and encoded again come back as they
// were.
#include <string>
#include <string_view>

namespace markloom {

enum class TextEncoding { Utf8, EightBit };

class TextCodec {
 public:
  explicit TextCodec(TextEncoding encoding = TextEncoding::Utf8) : encoding_(encoding) {}

  // How a file's bytes are read when it is opened: UTF-8 when they are valid
  // UTF-8, otherwise 8-bit text.
  static TextCodec detect(std::string_view bytes);
  // As detect, for bytes cut off at their end from a longer text (a quoted
  // line, say): a character left incomplete by the cut does not make UTF-8
  // text 8-bit.
  static TextCodec detectCut(std::string_view bytes);

  TextEncoding encoding() const { return encoding_; }

  // UTF-8 text to the document's bytes. Malformed UTF-8 in the input becomes
  // U+FFFD rather than passing broken bytes into the document.
  std::string encode(std::string_view utf8) const;
  // The document's bytes to UTF-8 (malformed bytes of a UTF-8 document become
  // U+FFFD).
  std::string decode(std::string_view bytes) const;

  bool operator==(const TextCodec&) const = default;

 private:
  TextEncoding encoding_;
};

}  // namespace markloom
