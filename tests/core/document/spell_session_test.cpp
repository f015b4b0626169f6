#include "core/document/spell_session.h"

#include <gtest/gtest.h>

#include <deque>

namespace markloom {
namespace {

// Knows a fixed list of words; everything else is misspelled.
class ListDictionary : public SpellDictionary {
 public:
  std::set<std::string> known{"the", "cat", "sat", "on", "mat", "see", "page", "and", "it", "it's", "don't"};
  std::vector<std::string> added;
  bool isCorrect(std::string_view w) override { return known.count(std::string(w)) > 0; }
  std::vector<std::string> suggest(std::string_view w) override { return {"cat", std::string(w) + "?"}; }
  void addWord(const std::string& w) override {
    added.push_back(w);
    known.insert(w);
  }
};

std::vector<std::string> words(std::string_view text, SpellOptions o) {
  std::vector<std::string> out;
  for (const auto& w : spellWords(text, o)) out.emplace_back(w.word);
  return out;
}

struct OptionCase {
  std::string name;
  SpellOptions options;
  std::string text;
  std::vector<std::string> expected;
};
std::ostream& operator<<(std::ostream& os, const OptionCase& c) { return os << c.name; }

class SpellWordOptions : public ::testing::TestWithParam<OptionCase> {};
TEST_P(SpellWordOptions, TakeOut) { EXPECT_EQ(words(GetParam().text, GetParam().options), GetParam().expected); }

SpellOptions with(bool SpellOptions::*flag) {
  SpellOptions o;
  o.*flag = true;
  return o;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpellWordOptions,
    ::testing::Values(
        OptionCase{"PlainWordsAndApostrophes", {}, "It's a cat, don't 42 go", {"It's", "a", "cat", "don't", "go"}},
        OptionCase{"AllUppercase", with(&SpellOptions::ignoreAllUppercase), "NASA and Nasa", {"and", "Nasa"}},
        OptionCase{"Numbers", with(&SpellOptions::ignoreNumbers), "mp3 player", {"player"}},
        OptionCase{"NumbersKeptWithoutOption", {}, "mp3 player", {"mp3", "player"}},
        OptionCase{"Brackets", with(&SpellOptions::ignoreBrackets), "a (xyzzy) <b>c</b> [q] d", {"a", "c", "d"}},
        OptionCase{"FileNames",
                   with(&SpellOptions::ignoreFilenames),
                   "open index.htm or C:\\web\\qq.txt now",
                   {"open", "or", "now"}},
        OptionCase{"Addresses",
                   with(&SpellOptions::ignoreInternetAddresses),
                   "see http://exmpl.com/pg and ann@exmpl.org.",
                   {"see", "and"}},
        OptionCase{"UTF8LettersStayInTheWord", {}, "Grüße dir", {"Grüße", "dir"}}),
    [](const auto& row) { return row.param.name; });

TEST(SpellSession, DecisionsShapeTheChanges) {
  ListDictionary dict;
  SpellSession session(dict, {});
  const std::string text = "teh cat sat on teh mat; zorp and zorp; blah";
  std::deque<SpellDecision> script = {
      {SpellDecision::Action::ChangeAll, "the"},  // teh (both)
      {SpellDecision::Action::IgnoreAll, ""},     // zorp (both)
      {SpellDecision::Action::Add, ""},           // blah
  };
  std::vector<std::string> asked;
  const auto changes = session.run(text, [&](const SpellIssue& issue) {
    asked.push_back(issue.word);
    EXPECT_FALSE(issue.suggestions.empty());
    auto d = script.front();
    script.pop_front();
    return d;
  });
  EXPECT_EQ(asked, (std::vector<std::string>{"teh", "zorp", "blah"}));
  EXPECT_EQ(dict.added, std::vector<std::string>{"blah"});
  EXPECT_EQ(applySpellChanges(text, changes), "the cat sat on the mat; zorp and zorp; blah");
}

TEST(SpellSession, DoubledWordsAndSpacesWhenAsked) {
  ListDictionary dict;
  SpellOptions o;
  o.reportDuplicateWords = o.reportDuplicateSpaces = true;
  SpellSession session(dict, o);
  const std::string text = "  see the the cat  sat\r\n    on mat";
  std::vector<SpellIssue::Kind> kinds;
  const auto changes = session.run(text, [&](const SpellIssue& issue) {
    kinds.push_back(issue.kind);
    return SpellDecision{SpellDecision::Action::Change, issue.suggestions.empty() ? "" : issue.suggestions[0]};
  });
  EXPECT_EQ(kinds, (std::vector<SpellIssue::Kind>{SpellIssue::Kind::DoubledWord, SpellIssue::Kind::DoubledSpace}));
  EXPECT_EQ(applySpellChanges(text, changes), "  see the cat sat\r\n    on mat");
}

// Blanks inside a tag are the markup's layout: reported only when markup is checked.
TEST(SpellSession, DoubledSpacesInsideMarkupOnlyWhenMarkupIsChecked) {
  for (const bool checkMarkup : {false, true}) {
    ListDictionary dict;
    SpellOptions o;
    o.reportDuplicateSpaces = true;
    o.checkMarkup = checkMarkup;
    SpellSession session(dict, o);
    const std::string text = "<p  class=x>the  cat<!-- a  b --></p>";
    std::vector<std::size_t> offsets;
    session.run(text, [&](const SpellIssue& issue) {
      if (issue.kind == SpellIssue::Kind::DoubledSpace) offsets.push_back(issue.offset);
      return SpellDecision{};
    });
    EXPECT_EQ(offsets, checkMarkup ? (std::vector<std::size_t>{2, 15, 26}) : (std::vector<std::size_t>{15}))
        << checkMarkup;
  }
}

TEST(SpellSession, StopKeepsTheChangesMadeSoFar) {
  ListDictionary dict;
  SpellSession session(dict, {});
  int calls = 0;
  const auto changes = session.run("qqq www eee", [&](const SpellIssue&) {
    return ++calls == 1 ? SpellDecision{SpellDecision::Action::Change, "the"}
                        : SpellDecision{SpellDecision::Action::Stop, ""};
  });
  EXPECT_EQ(calls, 2);
  EXPECT_TRUE(session.stopped());
  EXPECT_EQ(applySpellChanges("qqq www eee", changes), "the www eee");
}

}  // namespace
}  // namespace markloom
