#include "core/settings/color_text.h"

#include <gtest/gtest.h>

#include "core/common/error.h"

namespace markloom {
namespace {

struct ColorCase {
  const char* name;
  std::string text;
  std::optional<std::uint32_t> color;
};

class TextToColor : public ::testing::TestWithParam<ColorCase> {};

TEST_P(TextToColor, ReadsNamesAndNumbers) { EXPECT_EQ(textToColor(GetParam().text), GetParam().color); }

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToColor,
    ::testing::Values(
        ColorCase{"SystemName", "clWindow", 0x80000005u}, ColorCase{"NameAnyCase", "CLWINDOW", 0x80000005u},
        ColorCase{"StandardName", "clNavy", 0x00800000u}, ColorCase{"None", "clNone", kColorNone},
        ColorCase{"Default", "clDefault", kColorDefault}, ColorCase{"DollarHex", "$00FF8000", 0x00FF8000u},
        ColorCase{"DollarHexLowerCase", "$00ff8000", 0x00FF8000u}, ColorCase{"ZeroXHex", "0x10", 16u},
        ColorCase{"Decimal", "255", 255u}, ColorCase{"NegativeDecimal", "-1", 0xFFFFFFFFu},
        ColorCase{"DecimalAboveInt32", "2147483648", std::nullopt},
        ColorCase{"HexAbove32Bits", "$100000000", std::nullopt}, ColorCase{"Empty", "", std::nullopt},
        ColorCase{"DollarAlone", "$", std::nullopt}, ColorCase{"Word", "Normal", std::nullopt},
        ColorCase{"TrailingBlank", "12 ", std::nullopt}, ColorCase{"NamePrefixOnly", "clWind", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ColorToText, NamesWhereTheTableHasOneAndHexOtherwise) {
  EXPECT_EQ(colorToText(0x80000005u), "clWindow");
  EXPECT_EQ(colorToText(0x000000FFu), "clRed");
  EXPECT_EQ(colorToText(kColorNone), "clNone");
  EXPECT_EQ(colorToText(0x00123456u), "$00123456");
  EXPECT_EQ(colorToText(0x00FF8000u), "$00FF8000");
}

TEST(ColorToText, EveryTextReadsBackAsTheSameColour) {
  const std::uint32_t samples[] = {0u,          0x00123456u, 0x00FFFFFFu,   0x80000000u, 0x8000000Fu, 0x8000001Eu,
                                   0x8000001Fu, kColorNone,  kColorDefault, 0xFFFFFFFFu, 0x7FFFFFFFu};
  for (std::uint32_t c : samples) EXPECT_EQ(textToColor(colorToText(c)), c) << colorToText(c);
  for (std::uint32_t c = 0x80000000u; c <= 0x80000020u; ++c) EXPECT_EQ(textToColor(colorToText(c)), c);
}

TEST(ColorFromText, UnreadableTextRaisesTheIntegerError) {
  EXPECT_EQ(colorFromText("clBtnFace"), 0x8000000Fu);
  try {
    colorFromText("");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid integer value");
  }
  EXPECT_THROW(colorFromText("Normal"), Error);
}

TEST(SystemColorIndex, OnlyForSystemColours) {
  EXPECT_EQ(systemColorIndex(0x80000005u), 5);
  EXPECT_EQ(systemColorIndex(0x00000005u), std::nullopt);
}

}  // namespace
}  // namespace markloom
