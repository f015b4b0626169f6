#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/analysis/literal_tokenizer.h"
#include "core/analysis/tag_tokenizer.h"
#include "core/analysis/token_dump.h"
#include "core/text/line_list.h"

namespace markloom {
namespace {

using test::dump;

std::vector<HtmlToken> viaLines(const std::vector<std::string>& lines) { return tokenizeLines(lines); }

std::vector<HtmlToken> byteByByte(const std::string& bytes) {
  std::vector<HtmlToken> tokens;
  TokenCollector collector(tokens);
  TagScanner scanner(collector);
  for (char c : bytes) scanner.feed(std::string_view(&c, 1));
  scanner.finish();
  return tokens;
}

std::string joined(const std::vector<std::string>& lines, const char* end) {
  std::string out;
  for (const auto& l : lines) out += l + end;
  return out;
}

struct TokenizerCase {
  const char* name;
  std::vector<std::string> lines;
  std::vector<std::string> expected;  // dump() of each token
};

class Tokenizer : public ::testing::TestWithParam<TokenizerCase> {};

TEST_P(Tokenizer, GivesTheExpectedTokens) { EXPECT_EQ(dump(viaLines(GetParam().lines)), GetParam().expected); }

// Lines handed over one by one, the file's bytes whole, byte by byte, and
// with each line-end form must all give the same tokens, line numbers included.
TEST_P(Tokenizer, LinesAndBytesInAnyChunksAgree) {
  const auto& lines = GetParam().lines;
  const auto expected = viaLines(lines);
  EXPECT_EQ(tokenizeBytes(formatLineList(lines)), expected) << "CR LF, whole";
  EXPECT_EQ(tokenizeBytes(joined(lines, "\n")), expected) << "LF, whole";
  EXPECT_EQ(tokenizeBytes(joined(lines, "\r")), expected) << "CR, whole";
  EXPECT_EQ(byteByByte(formatLineList(lines)), expected) << "CR LF, byte by byte";
  EXPECT_EQ(byteByByte(joined(lines, "\r")), expected) << "CR, byte by byte";
}

TEST_P(Tokenizer, AgreesWithTheLiteralProcedure) {
  EXPECT_EQ(viaLines(GetParam().lines), literal::tokenize(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Tokenizer,
    ::testing::Values(
        TokenizerCase{"ParagraphOnOneLine",
                      {"<p>Hello</p>"},
                      {R"(TAG "P" raw="p")", R"(TEXT "Hello" raw="Hello")", R"(TAG "/P" raw="/p")"}},
        TokenizerCase{"GreaterThanInRunningTextGivesANamelessTagFirst",
                      {"a > b"},
                      {R"(TAG "" raw="")", R"(TEXT "a b " raw="a  b\n")"}},
        TokenizerCase{"TextAcrossLinesIsOneToken", {"Hello", "World"}, {R"(TEXT "Hello World " raw="Hello\nWorld\n")"}},
        TokenizerCase{
            "EmptyLineBetweenTagsAddsNothing", {"<p>", "", "<b>"}, {R"(TAG "P" raw="p")", R"(TAG "B" raw="b")"}},
        TokenizerCase{"EmptyLineInsideTextAddsALineFeed", {"a", "", "b"}, {R"(TEXT "a b " raw="a\n\nb\n")"}},
        TokenizerCase{"LessThanInsideATagIsDropped", {"<a <b>"}, {R"(TAG "A" raw="a b" ["B"|""|"b"])"}},
        TokenizerCase{"TagSplitAfterNameIsGluedWithoutSeparator",
                      {"<img", "src=\"a.gif\">"},
                      {R"(TAG "IMGSRC=\"A.GIF\"" raw="imgsrc=\"a.gif\"")"}},
        TokenizerCase{"TagSplitBeforeABlankKeepsTheAttribute",
                      {"<img", " src=\"a.gif\">"},
                      {R"(TAG "IMG" raw="img src=\"a.gif\"" ["SRC"|"a.gif"|"src=\"a.gif\""])"}},
        TokenizerCase{"DoubleQuotedValueKeepsItsBlankAndLosesItsQuotes",
                      {"<img alt=\"a b\">"},
                      {R"(TAG "IMG" raw="img alt=\"a b\"" ["ALT"|"a b"|"alt=\"a b\""])"}},
        TokenizerCase{"SingleQuotedValueIsCutAtTheBlank",
                      {"<img alt='a b'>"},
                      {R"(TAG "IMG" raw="img alt='a b'" ["ALT"|"'a"|"alt='a"] ["B'"|""|"b'"])"}},
        TokenizerCase{"BlanksAroundEqualsGiveThreeAttributes",
                      {"<img src = \"x\">"},
                      {R"(TAG "IMG" raw="img src = \"x\"" ["SRC"|""|"src"] [""|""|"="] ["\"X\""|""|"\"x\""])"}},
        TokenizerCase{"GreaterThanInQuotedValueEndsTheTag",
                      {"<a title=\"x>y\">z"},
                      {R"(TAG "A" raw="a title=\"x" ["TITLE"|"\"x"|"title=\"x"])", R"(TAG "" raw="")",
                       R"(TEXT "y\"z " raw="y\"z\n")"}},
        TokenizerCase{"CommentIsATagWithWordsAsAttributes",
                      {"<!-- a note -->"},
                      {R"(TAG "!--" raw="!-- a note --" ["A"|""|"a"] ["NOTE"|""|"note"] ["--"|""|"--"])"}},
        TokenizerCase{"SlashAfterNameBelongsToTheName", {"<br/>"}, {R"(TAG "BR/" raw="br/")"}},
        TokenizerCase{"UnclosedTagAtTheEndStillCounts",
                      {"text <b class=x"},
                      {R"(TEXT "text " raw="text ")", R"(TAG "B" raw="b class=x" ["CLASS"|"x"|"class=x"])"}},
        TokenizerCase{"UnclosedEmptyTagAtTheEndGivesNothing", {"text", "<"}, {R"(TEXT "text " raw="text\n")"}},
        TokenizerCase{"EmptyInput", {}, {}}, TokenizerCase{"OnlyEmptyLines", {"", "", ""}, {}},
        TokenizerCase{"OnlyABlankSeparatesTheName", {"<p\talign=x>"}, {R"(TAG "P\tALIGN=X" raw="p\talign=x")"}},
        TokenizerCase{"RunsOfBlanksInATagGiveNoEmptyAttributes",
                      {"<p   align=x  >"},
                      {R"(TAG "P" raw="p   align=x  " ["ALIGN"|"x"|"align=x"])"}},
        TokenizerCase{"FurtherEqualsSignsStayInTheValue",
                      {"<a href=a=b>"},
                      {R"(TAG "A" raw="a href=a=b" ["HREF"|"a=b"|"href=a=b"])"}},
        TokenizerCase{
            "OnlyTheOuterQuotePairIsRemoved",
            {"<a title=\"\" alt=\"\"\"\" x=\">"},
            {R"(TAG "A" raw="a title=\"\" alt=\"\"\"\" x=\"" ["TITLE"|""|"title=\"\""] ["ALT"|"\"\""|"alt=\"\"\"\""] ["X"|"\""|"x=\""])"}},
        TokenizerCase{"ValueStartingWithAQuoteOnlyKeepsIt",
                      {"<a title=\" b>"},
                      {R"(TAG "A" raw="a title=\" b" ["TITLE"|"\" b"|"title=\" b"])"}},
        TokenizerCase{
            "NamesAreUpperCasedValuesKeepTheirCase",
            {"<Font Color=Red face=\"\xe9t\xe9\">"},
            {R"(TAG "FONT" raw="Font Color=Red face=\"\xE9t\xE9\"" ["COLOR"|"Red"|"Color=Red"] ["FACE"|"\xE9t\xE9"|"face=\"\xE9t\xE9\""])"}},
        TokenizerCase{"TextIsDecodedRawIsNot",
                      {"1 &lt; 2 &amp;&amp; caf&eacute;"},
                      {R"(TEXT "1 < 2 && caf\xE9 " raw="1 &lt; 2 &amp;&amp; caf&eacute;\n")"}},
        TokenizerCase{"TextBeforeATagIsNotGivenALineFeed",
                      {"one", "two<p>"},
                      {R"(TEXT "one two" raw="one\ntwo")", R"(TAG "P" raw="p")"}},
        TokenizerCase{
            "TagSpanningThreeLines",
            {"<table", " border=1", " width=\"50%\">"},
            {R"(TAG "TABLE" raw="table border=1 width=\"50%\"" ["BORDER"|"1"|"border=1"] ["WIDTH"|"50%"|"width=\"50%\""])"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TokenizerLines, TokensCarryTheLineWhereTheyBegan) {
  const auto tokens = viaLines({"first", "<a", "href=x>", "", "x > y"});
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(std::get<TextToken>(tokens[0]).line, 0);
  EXPECT_EQ(std::get<TagToken>(tokens[1]).line, 1);
  EXPECT_EQ(std::get<TagToken>(tokens[2]).line, 4);  // the nameless tag of the '>' in text
  EXPECT_EQ(std::get<TextToken>(tokens[3]).line, 4);
}

TEST(TokenizerBytes, AFinalLineEndAddsNoLineButAnUnendedLastLineCounts) {
  EXPECT_EQ(dump(tokenizeBytes("a\r\n")), std::vector<std::string>{R"(TEXT "a " raw="a\n")"});
  EXPECT_EQ(dump(tokenizeBytes("a")), std::vector<std::string>{R"(TEXT "a " raw="a\n")"});
  EXPECT_EQ(dump(tokenizeBytes("a\r\n\r\n")), std::vector<std::string>{R"(TEXT "a " raw="a\n\n")"});
  EXPECT_EQ(dump(tokenizeBytes("a\r\rb")), std::vector<std::string>{R"(TEXT "a b " raw="a\n\nb\n")"});
}

TEST(TokenizerBytes, AReusedScannerStartsAfresh) {
  std::vector<HtmlToken> tokens;
  TokenCollector collector(tokens);
  TagScanner scanner(collector);
  scanner.feed("x <b");
  scanner.finish();
  scanner.feed("<i>");
  scanner.finish();
  EXPECT_EQ(dump(tokens),
            (std::vector<std::string>{R"(TEXT "x " raw="x ")", R"(TAG "B" raw="b")", R"(TAG "I" raw="i")"}));
  EXPECT_EQ(std::get<TagToken>(tokens[2]).line, 0);
}

// Pseudo-random markup-like documents: the fast tokenizer, every way of
// feeding it, and the literal procedure must agree.
TEST(TokenizerRandom, AgreesWithTheLiteralProcedureOnGeneratedDocuments) {
  static const char* pieces[] = {"<",   ">",     " ",  "  ",   "=",      "\"",     "'",    "a",   "P",
                                 "img", "\r\n",  "\n", "\r",   "\t",     "&",      ";",    "#",   "x",
                                 "9",   "&amp;", "&#", "&lt;", "&nbsp;", "&#xE9;", "\xe9", "\xa0"};
  std::mt19937 rng(7);
  for (int round = 0; round < 400; ++round) {
    std::string doc;
    const int count = static_cast<int>(rng() % 60);
    for (int i = 0; i < count; ++i) doc += pieces[rng() % std::size(pieces)];
    const auto lines = parseLineList(doc);
    const auto expected = literal::tokenize(lines);
    ASSERT_EQ(viaLines(lines), expected) << test::quoted(doc);
    ASSERT_EQ(tokenizeBytes(doc), expected) << test::quoted(doc);
    ASSERT_EQ(byteByByte(doc), expected) << test::quoted(doc);
  }
}

}  // namespace
}  // namespace markloom
