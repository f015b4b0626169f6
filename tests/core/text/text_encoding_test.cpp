#include "core/text/text_encoding.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

struct Utf8Case {
  std::string name;
  std::string bytes;
  bool valid;
};
std::ostream& operator<<(std::ostream& os, const Utf8Case& c) { return os << c.name; }

class Utf8Validity : public ::testing::TestWithParam<Utf8Case> {};
TEST_P(Utf8Validity, Detects) { EXPECT_EQ(isValidUtf8(GetParam().bytes), GetParam().valid); }

INSTANTIATE_TEST_SUITE_P(Cases, Utf8Validity,
                         ::testing::Values(Utf8Case{"Ascii", "<p>plain</p>", true},
                                           Utf8Case{"TwoThreeFourByte", "\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", true},
                                           Utf8Case{"Windows1252Euro", "price \x80 5", false},
                                           Utf8Case{"Latin1Umlaut",
                                                    "Gr\xFC\xDF"
                                                    "e",
                                                    false},
                                           Utf8Case{"TruncatedAtEnd", "ab\xE2\x82", false},
                                           Utf8Case{"OverlongSlash", "\xC0\xAF", false},
                                           Utf8Case{"OverlongThreeByte", "\xE0\x80\xAF", false},
                                           Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                                           Utf8Case{"AboveMaximum", "\xF4\x90\x80\x80", false},
                                           Utf8Case{"NulIsValid", std::string("a\0b", 3), true}),
                         [](const auto& row) { return row.param.name; });

TEST(LineEnds, FirstLineEndDecidesTheStyle) {
  EXPECT_EQ(detectLineEnd("a\r\nb\nc"), LineEnd::CrLf);
  EXPECT_EQ(detectLineEnd("a\nb\r\n"), LineEnd::Lf);
  EXPECT_EQ(detectLineEnd("a\rb"), LineEnd::Cr);
  EXPECT_EQ(detectLineEnd("no line end"), LineEnd::CrLf);
  EXPECT_EQ(detectLineEnd("ends in cr\r"), LineEnd::Cr);
}

TEST(LineEnds, ConvertMapsEveryStyle) {
  EXPECT_EQ(convertLineEnds("a\r\nb\nc\rd", LineEnd::Lf), "a\nb\nc\nd");
  EXPECT_EQ(convertLineEnds("a\r\nb\nc\rd\n", LineEnd::CrLf), "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(convertLineEnds("\n\n", LineEnd::Cr), "\r\r");
}

}  // namespace
}  // namespace markloom
