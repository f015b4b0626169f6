// What the check and the token printer keep of their input: text runs not at
// all for the check, a long tag's start and end only, and token JSON written
// in slices that must read exactly as the whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/analysis/document_analysis.h"
#include "core/analysis/html_tokens.h"
#include "core/analysis/tag_tokenizer.h"
#include "core/analysis/token_json.h"
#include "core/analysis/token_json_stream.h"
#include "name_rows.h"

namespace markloom {
namespace {

// Records what reaches a sink, long tags marked as head|tail.
class Recorder : public TokenSink {
 public:
  void tag(std::string_view text, int line) override {
    seen.push_back("tag@" + std::to_string(line) + ":" + std::string(text));
  }
  void text(std::string_view raw, int line) override {
    seen.push_back("text@" + std::to_string(line) + ":" + std::string(raw));
  }
  void longTag(std::string_view head, std::string_view tail, int line) override {
    seen.push_back("long@" + std::to_string(line) + ":" + std::string(head) + "|" + std::string(tail));
  }
  std::vector<std::string> seen;
};

std::vector<std::string> scan(const std::string& bytes, ScanLimits limits, std::size_t pieceBytes) {
  Recorder recorder;
  TagScanner scanner(recorder, TagLines::Marked, limits);
  for (std::size_t i = 0; i < bytes.size(); i += pieceBytes)
    scanner.feed(std::string_view(bytes).substr(i, pieceBytes));
  scanner.finish();
  return recorder.seen;
}

struct LimitCase {
  const char* name;
  std::string input;
  ScanLimits limits;
  std::vector<std::string> expected;
};

class ScanLimitsTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ScanLimitsTest, SameWholeAndInPieces) {
  const LimitCase& c = GetParam();
  for (std::size_t piece : {c.input.size() + 1, std::size_t{1}, std::size_t{3}, std::size_t{7}})
    EXPECT_EQ(scan(c.input, c.limits, piece), c.expected) << "pieces of " << piece;
}

ScanLimits noText() {
  ScanLimits l;
  l.keepText = false;
  return l;
}

ScanLimits cutAt(std::size_t head, std::size_t tail, bool keepText = true) {
  ScanLimits l;
  l.keepText = keepText;
  l.tagHead = head;
  l.tagTail = tail;
  return l;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScanLimitsTest,
    ::testing::Values(
        LimitCase{
            "DefaultsKeepEverything", "ab<p x>cd\r\nef<b>", {}, {"text@0:ab", "tag@0:p x", "text@0:cd\nef", "tag@1:b"}},
        LimitCase{
            "TextRunsAreDroppedButLinesStillCount", "ab<p x>cd\r\nef\ngh<b\ny>", noText(), {"tag@0:p x", "tag@2:b\ny"}},
        LimitCase{"StrayCloseStillReportsAnEmptyTagWithoutText", "a>b", noText(), {"tag@0:"}},
        LimitCase{"TagAtTheLimitIsWhole", "<abcdefgh>", cutAt(8, 3), {"tag@0:abcdefgh"}},
        LimitCase{"LongerTagKeepsHeadAndTail",
                  "x<abcdefghijklmn>y",
                  cutAt(4, 3),
                  {"text@0:x", "long@0:abcd|lmn", "text@0:y\n"}},
        LimitCase{"TailShorterThanKeptWhenTheTagIsJustOver", "<abcdef>", cutAt(4, 3), {"long@0:abcd|ef"}},
        LimitCase{"LineEndsInsideALongTagAreMarked", "<ab\ncdefg\nh>", cutAt(3, 4), {"long@0:ab\n|fg\nh"}},
        LimitCase{"UnclosedLongTagAtTheEnd", "<abcdefghij", cutAt(2, 2), {"long@0:ab|j\n"}},
        LimitCase{"NextTagStartsAfresh", "<abcdefgh><ij>", cutAt(3, 2), {"long@0:abc|gh", "tag@0:ij"}}),
    [](const auto& row) { return std::string(row.param.name); });

// The rows of a page holding one tag longer than the check keeps.
std::vector<ValidationRow> rowsOf(const std::string& page, RuleChoice rules) {
  return nameRows(analyzeText(page, rules));
}

std::string filler(std::size_t bytes, char c = 'x') { return std::string(bytes, c); }

TEST(LongTagCheck, AttributesInTheKeptStartAreReportedAndNoneIsCutInHalf) {
  std::string many;
  while (many.size() < kCheckedTagBytes + 1000) many += "bogus ";
  for (RuleChoice rules : {RuleChoice::Html4, RuleChoice::Html5}) {
    const auto rows = rowsOf("<p " + many + "align=left>", rules);
    ASSERT_GT(rows.size(), 1000u);
    ASSERT_LT(rows.size(), kCheckedTagBytes / 6 + 2);
    for (const auto& row : rows) EXPECT_EQ(row.subject, "BOGUS") << "a name cut at the limit was reported";
  }
}

TEST(LongTagCheck, AnAttributeBeforeAHugeValueIsStillChecked) {
  const std::string page = "<img bogus src=\"data:" + filler(kCheckedTagBytes * 2) + "\">";
  const auto rows = rowsOf(page, RuleChoice::Html4);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].message, "UNKNOWN PROPERTY: BOGUS IN <IMG>");
}

struct EndCase {
  const char* name;
  std::string page;
  std::vector<std::string> subjects;  // of the rows, in order
};

class LongTagEnds : public ::testing::TestWithParam<EndCase> {};

// How a long tag ends decides what the check does with the tags after it.
TEST_P(LongTagEnds, EndIsReadFromTheKeptTail) {
  std::vector<std::string> subjects;
  for (const auto& row : rowsOf(GetParam().page, RuleChoice::Html5)) subjects.push_back(row.subject);
  EXPECT_EQ(subjects, GetParam().subjects);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LongTagEnds,
    ::testing::Values(EndCase{"ScriptEndAfterALongStretchWithALessThan",
                              "<script>if (a <b " + filler(kCheckedTagBytes * 2) + " </script><p bogus>",
                              {"BOGUS"}},
                      EndCase{"LongCommentEnds", "<!-- " + filler(kCheckedTagBytes * 2) + " --><p bogus>", {"BOGUS"}},
                      EndCase{"LongCommentGoesOnToTheNextClose",
                              "<!-- " + filler(kCheckedTagBytes * 2) + " <p bogus> --><p other>",
                              {"OTHER"}},
                      EndCase{"SlashAfterALongValueClosesNothingOnADiv",
                              "<div title=\"" + filler(kCheckedTagBytes * 2) + "\" /><p bogus>",
                              {"/", "BOGUS"}},
                      EndCase{"SlashInsideALongUnquotedValueIsPartOfIt",
                              "<div title=" + filler(kCheckedTagBytes * 2) + "/><p bogus>",
                              {"BOGUS"}}),
    [](const auto& row) { return std::string(row.param.name); });

// The streamed JSON against the token-by-token JSON of the same input.
std::string tokenLines(const std::string& bytes) {
  std::string out;
  for (const auto& token : tokenizeBytes(bytes)) out += tokenJson(token) + "\n";
  return out;
}

std::string streamed(const std::string& bytes, std::size_t blockBytes, std::size_t pieceBytes) {
  std::string out;
  {
    TokenJsonStream writer([&](std::string_view block) { out.append(block); }, blockBytes);
    TagScanner scanner(writer);
    for (std::size_t i = 0; i < bytes.size(); i += pieceBytes)
      scanner.feed(std::string_view(bytes).substr(i, pieceBytes));
    scanner.finish();
  }
  return out;
}

struct JsonCase {
  const char* name;
  std::string input;
};

class StreamedTokens : public ::testing::TestWithParam<JsonCase> {};

TEST_P(StreamedTokens, SameBytesAsTokenJson) {
  const std::string& in = GetParam().input;
  const std::string expected = tokenLines(in);
  EXPECT_EQ(streamed(in, 1 << 20, in.size() + 1), expected);
  EXPECT_EQ(streamed(in, 5, 3), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StreamedTokens,
    ::testing::Values(JsonCase{"Page", "<html>\r\n<a href=\"x y\" Target=_top>Fish &amp; chips&#33;</a>\r\n</html>"},
                      JsonCase{"EmptyAndStrayTags", "<>a>b<"},
                      JsonCase{"ControlAndHighBytes", std::string("<p \x01\x7f\xe9=\"\\\"\">\0\t\xff", 12)},
                      JsonCase{"LongTextWithReferencesEverywhere",
                               [] {
                                 std::string s;
                                 for (int i = 0; i < 20000; ++i) s += "a  &amp; &#65;&#x42; &eacute;&bogus;\n&";
                                 return s;
                               }()},
                      JsonCase{"LongTagName", "<" + filler(200000, 'q') + " a=1>"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(NormalizeInSlices, EverySliceSizeGivesTheWholeResult) {
  const std::vector<std::string> inputs = {
      "&amp;&lt;&#65;&#x41;&#X41;&#999;&nbsp; x",
      "a   b\n\n c &amp",
      "&aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa;&amp;",
      "&&&amp;;;&#&#;& ;",
      "trailing &eacute",
  };
  for (const auto& in : inputs) {
    const std::string whole = normalizeText(in);
    for (std::size_t slice = 1; slice <= in.size() + 1; ++slice) {
      std::string out;
      normalizeTextInSlices(in, slice, [&](std::string_view s) { out.append(s); });
      EXPECT_EQ(out, whole) << "input '" << in << "' in slices of " << slice;
    }
  }
}

}  // namespace
}  // namespace markloom
