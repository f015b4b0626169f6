#include "core/text/whole_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/common/error.h"

namespace markloom {
namespace {

TEST(WholeNumber, BlanksSignsAndRange) {
  struct Case {
    const char* text;
    TrailingBlanks trailing;
    std::optional<int> value;  // nullopt: refused
  };
  const Case cases[] = {
      {"17", TrailingBlanks::Refused, 17},          {" 17", TrailingBlanks::Refused, 17},
      {"17 ", TrailingBlanks::Refused, std::nullopt}, {"17 ", TrailingBlanks::Allowed, 17},
      {"+3", TrailingBlanks::Refused, 3},           {"-3", TrailingBlanks::Refused, -3},
      {"", TrailingBlanks::Allowed, std::nullopt},  {"1.5", TrailingBlanks::Refused, std::nullopt},
      {"2147483647", TrailingBlanks::Refused, 2147483647}, {"2147483648", TrailingBlanks::Refused, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      EXPECT_EQ(wholeNumber(c.text, c.trailing), c.value);
    } catch (const Error&) {
      EXPECT_EQ(c.value, std::nullopt);
    }
  }
}

TEST(PositiveNumberList, ItemsBetweenCommasAndBlanks) {
  struct Case {
    const char* text;
    std::optional<std::vector<int>> numbers;
  };
  const Case cases[] = {
      {"9, 17", std::vector<int>{9, 17}},
      {"9 17,25", std::vector<int>{9, 17, 25}},
      {" ,\t, ", std::vector<int>{}},
      {"", std::vector<int>{}},
      {"9, x", std::nullopt},
      {"0, 8", std::nullopt},
      {"-4", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(positiveNumberList(c.text), c.numbers) << c.text;
}

}  // namespace
}  // namespace markloom
