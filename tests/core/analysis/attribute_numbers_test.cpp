// Attribute names numbered once across a rule table, and the blank-separated
// lists the tables are written in.
#include "core/analysis/attribute_numbers.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace markloom {
namespace {

using Names = std::vector<std::string_view>;

TEST(SplitNames, TakesEveryNameBetweenBlanks) {
  const struct {
    const char* text;
    Names expected;
  } cases[] = {
      {"", {}},
      {"   ", {}},
      {"SRC", {"SRC"}},
      {"SRC ALT WIDTH", {"SRC", "ALT", "WIDTH"}},
      {" SRC  ALT ", {"SRC", "ALT"}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitNames(c.text), c.expected) << '"' << c.text << '"';
}

TEST(AttributeNumbers, ASetHoldsExactlyTheNamesPutIntoIt) {
  AttributeNumbers<8> numbers;
  AttributeNumbers<8>::Set image, link;
  numbers.add(image, Names{"SRC", "ALT", "ID"});
  numbers.add(link, Names{"HREF", "ID"});
  for (const char* name : {"SRC", "ALT", "ID"}) EXPECT_TRUE(numbers.contains(image, name)) << name;
  EXPECT_FALSE(numbers.contains(image, "HREF"));  // numbered for another set
  EXPECT_TRUE(numbers.contains(link, "ID"));      // one name, one number for both
  EXPECT_FALSE(numbers.contains(link, "SRC"));
  EXPECT_FALSE(numbers.contains(image, "NOWHERE"));  // never numbered
  EXPECT_FALSE(numbers.contains(image, "src"));      // names are compared as given
  EXPECT_EQ((image & link).count(), 1u);
}

TEST(AttributeNumbers, MoreNamesThanTheSetsHoldAreRefused) {
  AttributeNumbers<3> numbers;
  AttributeNumbers<3>::Set set;
  numbers.add(set, Names{"A", "B"});  // numbers 1 and 2
  EXPECT_THROW(numbers.add(set, Names{"C"}), std::out_of_range);
}

}  // namespace
}  // namespace markloom
