// The engine against a table of texts and options, each case run at many block
// sizes (so every occurrence meets a block edge somewhere) and checked against
// the whole-buffer reference as well as the expected text.
#include "core/findreplace/stream_replacer.h"

#include <gtest/gtest.h>

#include <deque>

#include "core/findreplace/memory_replace.h"
#include "core/findreplace/reference_replace.h"

namespace markloom {
namespace {

using test::referenceReplace;
using test::streamReplace;
using A = PromptAnswer;

struct Opt {
  bool ignoreCase = false;
  bool wholeWords = false;
  bool prompt = false;
};

struct EngineCase {
  const char* name;
  std::string input;
  std::string find;
  std::string replace;
  Opt opt;
  std::string expected;
  long long occurrences;
  std::vector<A> answers = {};
  std::vector<std::string> contexts = {};  // checked when answers are given
};

ReplaceOptions optionsOf(const EngineCase& c) {
  ReplaceOptions o;
  o.find = c.find;
  o.replace = c.replace;
  o.ignoreCase = c.opt.ignoreCase;
  o.wholeWords = c.opt.wholeWords;
  o.prompt = c.opt.prompt;
  return o;
}

std::string longLine() {
  std::string s = "cat";
  s += std::string(50 * 1024, 'x');
  s += " cat ";
  s += std::string(50 * 1024, 'y');
  return s + "cat";
}

std::string longLineReplaced() {
  std::string s = "dog";
  s += std::string(50 * 1024, 'x');
  s += " dog ";
  s += std::string(50 * 1024, 'y');
  return s + "dog";
}

const Opt kFold{true, false, false};
const Opt kWords{false, true, false};
const Opt kAsk{false, false, true};

const EngineCase kCases[] = {
    {"FoldsAsciiLettersOnly", "Abc ABC abc \xc9T\xc9 \xe9T\xe9", "abc", "x", kFold, "x x x \xc9T\xc9 \xe9T\xe9", 3},
    {"FoldingLeavesAccentedBytesExact", "\xc9T\xc9 \xe9T\xe9 \xe9t\xe9", "\xe9t\xe9", "x", kFold, "\xc9T\xc9 x x", 2},
    {"ExactWhenNotFolding", "Abc abc ABC", "abc", "x", {}, "Abc x ABC", 1},
    {"WholeWordsAtLineEdges", "cat\r\nbobcat cat_x cat.\r\n-cat\r\ncat", "cat", "dog", kWords,
     "dog\r\nbobcat cat_x dog.\r\n-dog\r\ndog", 4},
    {"UnderscoreAndAccentsJoinWords",
     "_cat cat_ caf\xe9 cat\xe9 \xe9"
     "cat cat",
     "cat", "dog", kWords,
     "_cat cat_ caf\xe9 cat\xe9 \xe9"
     "cat dog",
     1},
    {"HyphenAndFullStopSeparate", "re-cat.cat-", "cat", "dog", kWords, "re-dog.dog-", 2},
    {"DigitsJoinWords", "cat1 1cat cat", "cat", "dog", kWords, "cat1 1cat dog", 1},
    {"ControlBytesSeparateHighBytesJoin", std::string("\0cat\xff cat\x01", 9), "cat", "dog", kWords,
     std::string("\0cat\xff dog\x01", 9), 1},
    {"ByteBeforeIsTakenAfterReplacing", "--", "-", "ab", kWords, "ab-", 1},
    {"ResumesAfterInsertedText", "aaaa", "aa", "x", {}, "xx", 2},
    {"ReplacingByItself", "ab ab\r\n", "ab", "ab", {}, "ab ab\r\n", 2},
    {"ReplacingByATextContainingIt", "aaa", "a", "aa", {}, "aaaaaa", 3},
    {"AdjacentDeletionsAtLineEnd", "xabab\r\nabab\r\n", "ab", "", {}, "x\r\n\r\n", 4},
    {"LfOnlyLineEndsKept", "one cat\ntwo cat\n", "cat", "dog", {}, "one dog\ntwo dog\n", 2},
    {"LoneCrLineEndsKept", "cat\rcat\r\rx", "cat", "dog", {}, "dog\rdog\r\rx", 2},
    {"NoLineEndIsAdded", "a cat", "cat", "dog", {}, "a dog", 1},
    {"EmptyFile", "", "cat", "dog", {}, "", 0},
    {"EmptyFindFindsNothing", "cat", "", "dog", {}, "cat", 0},
    {"NothingFound", "cow\r\n", "cat", "dog", {}, "cow\r\n", 0},
    {"HundredKilobyteLine", longLine(), "cat", "dog", {}, longLineReplaced(), 3},
    {"OccurrenceAcrossLines", "a\r\nb a\r\nc", "\r\nb", "+", {}, "a+ a\r\nc", 1},
    {"WholeFileIsOneOccurrence", "cat", "cat", "", {}, "", 1},
    // Prompting.
    {"OverlapsAreOfferedWhenRefused", "aaa", "aa", "x", kAsk, "ax", 1, {A::No, A::Yes}, {"aaa", "aaa"}},
    {"AllStopsAskingInTheFile",
     "cat cat cat",
     "cat",
     "dog",
     kAsk,
     "cat dog dog",
     2,
     {A::No, A::All},
     {"cat cat cat", "cat cat cat"}},
    {"CancelKeepsEarlierReplacements",
     "cat cat cat",
     "cat",
     "dog",
     kAsk,
     "dog cat cat",
     1,
     {A::Yes, A::Cancel},
     {"cat cat cat", "dog cat cat"}},
    {"CancelFirstChangesNothing", "cat cat", "cat", "dog", kAsk, "cat cat", 0, {A::Cancel}, {"cat cat"}},
    {"ContextIsTheCurrentLineTrimmed",
     "  first cat\r\n\t  second cat and cat\r\nthird",
     "cat",
     "dog",
     kAsk,
     "  first dog\r\n\t  second dog and dog\r\nthird",
     3,
     {A::Yes, A::Yes, A::Yes},
     {"first cat", "second cat and cat", "second dog and cat"}},
    {"ContextOfLfAndCrLines", "x\ncat y\rz", "cat", "dog", kAsk, "x\ndog y\rz", 1, {A::Yes}, {"cat y"}},
    {"ContextIsAtMost200Bytes",
     std::string(300, 'x') + "cat\r\n",
     "cat",
     "dog",
     kAsk,
     std::string(300, 'x') + "dog\r\n",
     1,
     {A::Yes},
     {std::string(200, 'x')}},
    {"ContextOfAnEarlyOccurrenceInALongLine",
     "cat" + std::string(300, 'x'),
     "cat",
     "dog",
     kAsk,
     "dog" + std::string(300, 'x'),
     1,
     {A::Yes},
     {"cat" + std::string(197, 'x')}},
};

class EngineTable : public ::testing::TestWithParam<EngineCase> {};

TEST_P(EngineTable, GivesTheExpectedTextAtEveryBlockSize) {
  const EngineCase& c = GetParam();
  const ReplaceOptions o = optionsOf(c);
  for (std::size_t block : {1, 2, 3, 5, 8, 13, 64, 4096, 256 * 1024}) {
    SCOPED_TRACE("block size " + std::to_string(block));
    std::deque<A> answers(c.answers.begin(), c.answers.end());
    const auto ask = [&](const std::string&) {
      if (answers.empty()) {
        ADD_FAILURE() << "asked more often than expected";
        return A::Cancel;
      }
      const A a = answers.front();
      answers.pop_front();
      return a;
    };
    const auto out = streamReplace(c.input, o, block, ask);
    EXPECT_EQ(out.text, c.expected);
    EXPECT_EQ(out.counters.occurrences, c.occurrences);
    EXPECT_EQ(out.counters.bytesRead, static_cast<std::int64_t>(c.input.size()));
    EXPECT_EQ(out.counters.bytesWritten, c.occurrences > 0 ? static_cast<std::int64_t>(c.expected.size()) : 0);
    EXPECT_EQ(out.result, c.occurrences > 0 ? StreamResult::Changed : StreamResult::Unchanged);
    EXPECT_TRUE(answers.empty()) << "fewer questions than expected";
    if (!c.answers.empty()) {
      EXPECT_EQ(out.contexts, c.contexts);
    }
  }
}

TEST_P(EngineTable, AgreesWithTheWholeBufferReference) {
  const EngineCase& c = GetParam();
  std::deque<A> answers(c.answers.begin(), c.answers.end());
  const auto ask = [&](const std::string&) {
    if (answers.empty()) return A::Cancel;
    const A a = answers.front();
    answers.pop_front();
    return a;
  };
  const auto ref = referenceReplace(c.input, optionsOf(c), ask);
  EXPECT_EQ(ref.text, c.expected);
  EXPECT_EQ(ref.occurrences, c.occurrences);
  if (!c.answers.empty()) {
    EXPECT_EQ(ref.contexts, c.contexts);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, EngineTable, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(Engine, CancelFromProgressStopsBeforeTheEnd) {
  const std::string input(10000, 'a');
  ReplaceOptions o;
  o.find = "a";
  o.replace = "b";
  ReplaceCounters counters;
  test::MemoryInput in(input);
  test::MemoryOutput out;
  int blocks = 0;
  StreamReplacer engine(o, counters, 100);
  const auto result = engine.run(
      in, [&](std::int64_t) -> ReplaceOutput* { return &out; }, {}, [&] { return ++blocks < 3; });
  EXPECT_EQ(result, StreamResult::Cancelled);
  EXPECT_EQ(blocks, 3);
  EXPECT_EQ(counters.bytesRead, 300);
}

TEST(Engine, OutputThatCannotBeOpenedIsReported) {
  const std::string input = "a cat";
  ReplaceOptions o;
  o.find = "cat";
  ReplaceCounters counters;
  test::MemoryInput in(input);
  StreamReplacer engine(o, counters);
  EXPECT_EQ(engine.run(in, [](std::int64_t) -> ReplaceOutput* { return nullptr; }, {}, {}), StreamResult::OutputFailed);
  EXPECT_EQ(counters.occurrences, 0);
  EXPECT_EQ(counters.bytesWritten, 0);
}

struct PercentCase {
  const char* name;
  std::int64_t read;
  std::int64_t total;
  int percent;
};

const PercentCase kPercents[] = {
    {"NothingListed", 0, 0, 0},
    {"Half", 50, 100, 50},
    {"RoundsDown", 199, 200, 99},
    {"AtMostHundred", 120, 100, 100},
    {"PastTwentyOneMillionBytes", 30'000'000, 40'000'000, 75},
    {"PastFourGigabytes", 6'000'000'000LL, 8'000'000'000LL, 75},
};

class Percent : public ::testing::TestWithParam<PercentCase> {};

TEST_P(Percent, IsBytesReadAgainstTheTotal) {
  ReplaceCounters c;
  c.bytesRead = GetParam().read;
  c.totalSize = GetParam().total;
  EXPECT_EQ(progressPercent(c), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(Cases, Percent, ::testing::ValuesIn(kPercents),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace markloom
