#include "core/text/text_codec.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

// What a character typed by the user becomes in a document, and what the
// document's bytes read back as.
struct CodecCase {
  std::string name;
  TextEncoding encoding;
  std::string utf8;   // the text as typed or shown
  std::string bytes;  // the text as the document holds it
};
std::ostream& operator<<(std::ostream& os, const CodecCase& c) { return os << c.name; }

const CodecCase kCodecCases[] = {
    {"Utf8Ascii", TextEncoding::Utf8, "<img src=\"a.gif\">", "<img src=\"a.gif\">"},
    {"Utf8EAcute", TextEncoding::Utf8, "\xC3\xA9", "\xC3\xA9"},
    {"Utf8Euro", TextEncoding::Utf8, "\xE2\x82\xAC", "\xE2\x82\xAC"},
    {"Utf8UUmlaut", TextEncoding::Utf8,
     "Gr\xC3\xBC\xC3\x9F"
     "e.gif",
     "Gr\xC3\xBC\xC3\x9F"
     "e.gif"},
    {"Utf8Cjk", TextEncoding::Utf8, "\xE6\xBC\xA2", "\xE6\xBC\xA2"},
    {"EightBitAscii", TextEncoding::EightBit, "<img src=\"a.gif\">", "<img src=\"a.gif\">"},
    {"EightBitEAcute", TextEncoding::EightBit, "\xC3\xA9", "\xE9"},
    {"EightBitEuro", TextEncoding::EightBit, "\xE2\x82\xAC", "\x80"},
    {"EightBitUUmlaut", TextEncoding::EightBit,
     "Gr\xC3\xBC\xC3\x9F"
     "e.gif",
     "Gr\xFC\xDF"
     "e.gif"},
    {"EightBitCjkAsReference", TextEncoding::EightBit, "\xE6\xBC\xA2", "&#28450;"},
    {"EightBitEmojiAsReference", TextEncoding::EightBit,
     "a\xF0\x9F\x98\x80"
     "b",
     "a&#128512;b"},
    {"EightBitCurlyQuotes", TextEncoding::EightBit, "\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"},
    {"EightBitNul", TextEncoding::EightBit, std::string("a\0b", 3), std::string("a\0b", 3)},
};

class CodecTable : public ::testing::TestWithParam<CodecCase> {};

TEST_P(CodecTable, EncodesTypedText) {
  const CodecCase& c = GetParam();
  EXPECT_EQ(TextCodec(c.encoding).encode(c.utf8), c.bytes);
}

TEST_P(CodecTable, DecodesDocumentBytes) {
  const CodecCase& c = GetParam();
  // A numeric character reference is text of the page: it reads back as typed.
  const bool reference = c.bytes.find("&#") != std::string::npos;
  EXPECT_EQ(TextCodec(c.encoding).decode(c.bytes), reference ? c.bytes : c.utf8);
}

INSTANTIATE_TEST_SUITE_P(Cases, CodecTable, ::testing::ValuesIn(kCodecCases),
                         [](const auto& row) { return row.param.name; });

TEST(TextCodec, EveryEightBitByteSurvivesDecodeAndEncode) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const TextCodec codec(TextEncoding::EightBit);
  const std::string text = codec.decode(all);
  EXPECT_NE(text, all);  // the high half really is turned into UTF-8
  EXPECT_EQ(codec.encode(text), all);
}

TEST(TextCodec, C1ControlsWithoutAByteBecomeReferences) {
  // U+0080 has no byte of its own in Windows-1252 (0x80 is the euro sign).
  EXPECT_EQ(TextCodec(TextEncoding::EightBit).encode("\xC2\x80"), "&#128;");
  // The unassigned 0x81 stands for U+0081 both ways.
  EXPECT_EQ(TextCodec(TextEncoding::EightBit).encode("\xC2\x81"), "\x81");
}

struct MalformedCase {
  std::string name;
  TextEncoding encoding;
  std::string input;
  std::string encoded;
};
std::ostream& operator<<(std::ostream& os, const MalformedCase& c) { return os << c.name; }

class MalformedInput : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedInput, BecomesReplacementCharacter) {
  EXPECT_EQ(TextCodec(GetParam().encoding).encode(GetParam().input), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedInput,
    ::testing::Values(MalformedCase{"Utf8LoneHighByte", TextEncoding::Utf8,
                                    "a\xFC"
                                    "b",
                                    "a\xEF\xBF\xBD"
                                    "b"},
                      MalformedCase{"Utf8CutAtEnd", TextEncoding::Utf8, "a\xE2\x82", "a\xEF\xBF\xBD\xEF\xBF\xBD"},
                      MalformedCase{"Utf8Surrogate", TextEncoding::Utf8, "\xED\xA0\x80",
                                    "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
                      MalformedCase{"Utf8ReplacementKept", TextEncoding::Utf8, "\xEF\xBF\xBD", "\xEF\xBF\xBD"},
                      MalformedCase{"EightBitLoneHighByte", TextEncoding::EightBit,
                                    "a\xFC"
                                    "b",
                                    "a&#65533;b"}),
    [](const auto& row) { return row.param.name; });

// How bytes read from a file are taken: whole by detect, cut off from a
// longer text (a quoted line) by detectCut.
struct DetectCase {
  std::string name;
  std::string bytes;
  TextEncoding whole;
  TextEncoding cut;
};
std::ostream& operator<<(std::ostream& os, const DetectCase& c) { return os << c.name; }

class Detect : public ::testing::TestWithParam<DetectCase> {};

TEST_P(Detect, TakesUtf8OnlyWhenTheBytesAreUtf8) {
  EXPECT_EQ(TextCodec::detect(GetParam().bytes).encoding(), GetParam().whole);
  EXPECT_EQ(TextCodec::detectCut(GetParam().bytes).encoding(), GetParam().cut);
}

using E = TextEncoding;
INSTANTIATE_TEST_SUITE_P(
    Cases, Detect,
    ::testing::Values(DetectCase{"Empty", "", E::Utf8, E::Utf8}, DetectCase{"Ascii", "<p>cat</p>", E::Utf8, E::Utf8},
                      DetectCase{"Utf8", "caf\xC3\xA9 \xE6\xBC\xA2", E::Utf8, E::Utf8},
                      DetectCase{"EightBit", "caf\xE9s", E::EightBit, E::EightBit},
                      // Cut off, a last 8-bit letter that can begin a UTF-8
                      // sequence reads as that sequence's start.
                      DetectCase{"EightBitLeadByteAtTheCut", "caf\xE9", E::EightBit, E::Utf8},
                      DetectCase{"EightBitEuroAtTheEnd", "5 \x80", E::EightBit, E::EightBit},
                      DetectCase{"Utf8TwoByteCharacterCutOff", "caf\xC3", E::EightBit, E::Utf8},
                      DetectCase{"Utf8ThreeByteCharacterCutOff", "\xE6\xBC\xA2 \xE6\xBC", E::EightBit, E::Utf8},
                      DetectCase{"Utf8FourByteCharacterCutOff", "a\xF0\x9F\x98", E::EightBit, E::Utf8},
                      DetectCase{"EightBitBeforeACutOffEnd", "caf\xE9 \xC3", E::EightBit, E::EightBit},
                      DetectCase{"EightBitLeadByteNotAtTheEnd", "\xC3 a", E::EightBit, E::EightBit},
                      DetectCase{"EightBitTrailingContinuationByte", "a\xA9", E::EightBit, E::EightBit}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace markloom
