#include "core/document/template_expansion.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

// What expansion does with a word: "use NAME" when a template is taken at
// once, otherwise "list A,B,..." of the names offered.
std::string outcome(const std::vector<TagTemplate>& templates, const std::string& word) {
  const auto matches = matchingTemplates(templates, word);
  if (const auto at = templateForWord(templates, matches, word)) return "use " + templates[*at].name;
  std::string names;
  for (std::size_t i : matches) names += (names.empty() ? "" : ",") + templates[i].name;
  return "list " + names;
}

struct MatchCase {
  std::string name;
  std::vector<TagTemplate> templates;
  std::string word, expected;
};
std::ostream& operator<<(std::ostream& os, const MatchCase& c) { return os << c.name; }

const std::vector<TagTemplate> kTableFirst = {{"table", "a table", "<table>"}, {"tablerow", "a row", "<tr>"}};
const std::vector<TagTemplate> kRowFirst = {{"tablerow", "a row", "<tr>"}, {"table", "a table", "<table>"}};

class TemplateChoice : public ::testing::TestWithParam<MatchCase> {};

TEST_P(TemplateChoice, PicksOrLists) { EXPECT_EQ(outcome(GetParam().templates, GetParam().word), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, TemplateChoice,
    ::testing::Values(MatchCase{"ExactNameAnyCaseIsUsedAtOnce", kTableFirst, "TABLE", "use table"},
                      MatchCase{"PrefixListsEveryMatch", kTableFirst, "tab", "list table,tablerow"},
                      MatchCase{"ExactNameNotFirstStillLists", kRowFirst, "table", "list tablerow,table"},
                      MatchCase{"LongerNameFirstExactSecondWord", kRowFirst, "TableRow", "use tablerow"},
                      MatchCase{"NoMatchListsEverything", kTableFirst, "xyz", "list table,tablerow"},
                      MatchCase{"EmptyWordListsEverything", kTableFirst, "", "list table,tablerow"},
                      MatchCase{"WordLongerThanNames", kTableFirst, "tablerows", "list table,tablerow"},
                      MatchCase{"NoTemplates", {}, "table", "list "}),
    [](const auto& row) { return row.param.name; });

struct ExpandCase {
  std::string name, code;
  std::size_t column;
  std::string lineEnd, text;
  std::size_t caret;
};
std::ostream& operator<<(std::ostream& os, const ExpandCase& c) { return os << c.name; }

class TemplateCode : public ::testing::TestWithParam<ExpandCase> {};

TEST_P(TemplateCode, IndentsLaterLinesAndPlacesTheCaret) {
  const auto& c = GetParam();
  const TemplateInsertion got = expandTemplate({"t", "", c.code}, c.column, c.lineEnd);
  EXPECT_EQ(got.text, c.text);
  EXPECT_EQ(got.caret, c.caret);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TemplateCode,
    ::testing::Values(ExpandCase{"OneLineNoMarkCaretAtStart", "<br>", 5, "\r\n", "<br>", 0},
                      ExpandCase{"TwoLinesAtColumnFive", "<b>\r\n</b>", 5, "\r\n", "<b>\r\n     </b>", 0},
                      ExpandCase{"MarkBetweenTheLinesWords", "<p>\r\n|</p>", 5, "\r\n", "<p>\r\n     </p>", 10},
                      ExpandCase{"MarkOnFirstLine", "<a href=\"|\"></a>", 3, "\r\n", "<a href=\"\"></a>", 9},
                      ExpandCase{"OnlyFirstMarkIsTheCaret", "a|b|c", 0, "\r\n", "ab|c", 1},
                      ExpandCase{"DocumentLineEndIsUsed", "x\r\ny\nz", 2, "\n", "x\n  y\n  z", 0},
                      ExpandCase{"EmptyLinesAreIndentedToo", "a\r\n\r\nb", 1, "\r\n", "a\r\n \r\n b", 0},
                      ExpandCase{"EmptyCode", "", 4, "\r\n", "", 0}),
    [](const auto& row) { return row.param.name; });

TEST(TemplateWord, SelectionIsTrimmedAndSeveralLinesCountAsNoWord) {
  const std::vector<std::tuple<std::string, std::string, std::size_t>> rows = {
      {"  tab ", "tab", 2}, {"table", "table", 0}, {"ta\r\nble", "", 0}, {"   ", "", 0}, {"", "", 0}};
  for (const auto& [selection, word, offset] : rows) {
    std::size_t at = 99;
    EXPECT_EQ(templateWord(selection, at), word) << selection;
    EXPECT_EQ(at, offset) << selection;
  }
}

}  // namespace
}  // namespace markloom
