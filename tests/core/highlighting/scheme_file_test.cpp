#include "core/highlighting/scheme_file.h"

#include <gtest/gtest.h>

#include "core/common/error.h"
#include "support/scratch_folder.h"

namespace markloom {
namespace {

// A scheme that uses every property: control characters and quotes in texts,
// a background, a case-sensitive block and blocks three deep.
SyntaxScheme everyProperty() {
  SyntaxScheme s;
  s.name = "It's \"odd\"";
  SchemeBlock root;
  root.name = "Top";
  root.lineComments = {"#", "rem"};
  root.styles[static_cast<int>(TokenClass::Keyword)] = {0x123456, true, true};
  SchemeBlock mid;
  mid.name = "Mid";
  mid.parent = 0;
  mid.delimiters = {{"<<", ">>"}, {"<tab\there*>", "</tab>"}};
  mid.blockComments = {{"(*", "*)"}};
  mid.quotes = "'\"`";
  mid.escape = "\\";
  mid.numbers = true;
  mid.numberPrefixes = {"0x", "$"};
  mid.identifierPrefixes = {"@"};
  mid.keywordSetName = "words";
  mid.keywords = {"begin", "End", "\xe9t\xe9"};
  mid.caseSensitive = true;
  mid.lineContinuation = "\\";
  mid.background = 0xFFFF00;
  SchemeBlock inner;
  inner.name = "Inner";
  inner.parent = 1;
  inner.delimiters = {{"{", "}"}};
  SchemeBlock side;
  side.name = "Side";
  side.parent = 0;
  side.delimiters = {{"[", "]"}};
  s.blocks = {root, mid, inner, side};
  return s;
}

TEST(SchemeFile, WrittenAndReadBackIsEqual) {
  for (const SyntaxScheme& scheme : {defaultScheme(), everyProperty()}) {
    const std::string text = writeSchemeText(scheme);
    EXPECT_EQ(parseSchemeText(text), scheme) << text;
    EXPECT_EQ(writeSchemeText(parseSchemeText(text)), text);
  }
}

TEST(SchemeFile, ControlCharactersAndQuotesAreWrittenReadably) {
  const std::string text = writeSchemeText(everyProperty());
  EXPECT_NE(text.find("  Name = 'It''s \"odd\"'\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Delimiter = ('<tab'#9'here*>', '</tab>')"), std::string::npos) << text;
  EXPECT_NE(text.find("Style.Keyword = ($123456, Bold, Italic)"), std::string::npos) << text;
  EXPECT_NE(text.find("Background = $FFFF00"), std::string::npos) << text;
}

TEST(SchemeFile, NestingGivesParentsAndKeywordLinesAddUp) {
  const SyntaxScheme s = parseSchemeText(
      "object Scheme\r\n"
      "  Name = 'Mini'\r\n"
      "\r\n"
      "  object Block\r\n"
      "    Name = 'Code'\r\n"
      "    Keywords = 'if, else ,'\r\n"
      "    Keywords = 'while'\r\n"
      "    Style.Comment = ($008000, Italic)\r\n"
      "    object Block\r\n"
      "      Name = 'Str'\r\n"
      "      Delimiter = ('\"', '\"')\r\n"
      "    end\r\n"
      "    object Block\r\n"
      "      Name = 'Tag'\r\n"
      "      Delimiter = ('<', '>')\r\n"
      "      object Block\r\n"
      "        Name = 'Attr'\r\n"
      "        Delimiter = ('=', ' ')\r\n"
      "      end\r\n"
      "    end\r\n"
      "  end\r\n"
      "end\r\n");
  EXPECT_EQ(s.name, "Mini");
  ASSERT_EQ(s.blocks.size(), 4u);
  EXPECT_EQ(s.blocks[0].keywords, (std::vector<std::string>{"if", "else", "while"}));
  EXPECT_EQ(s.blocks[0].styles[static_cast<int>(TokenClass::Comment)], (TokenStyle{0x008000, false, true}));
  const std::vector<std::pair<std::string, int>> parents = {{"Code", -1}, {"Str", 0}, {"Tag", 0}, {"Attr", 2}};
  for (std::size_t i = 0; i < parents.size(); ++i) {
    EXPECT_EQ(s.blocks[i].name, parents[i].first);
    EXPECT_EQ(s.blocks[i].parent, parents[i].second) << parents[i].first;
  }
}

struct BadCase {
  std::string name, text, error;
};
std::ostream& operator<<(std::ostream& os, const BadCase& c) { return os << c.name; }

class DamagedScheme : public ::testing::TestWithParam<BadCase> {};

TEST_P(DamagedScheme, IsRefusedWithLineAndReason) {
  try {
    parseSchemeText(GetParam().text);
    FAIL() << "read without an error";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), GetParam().error);
  }
}

std::string blocks(int count) {
  std::string s = "object Scheme\n";
  for (int i = 0; i < count; ++i) s += "object Block\nDelimiter = ('a', 'b')\n";
  for (int i = 0; i < count; ++i) s += "end\n";
  return s + "end\n";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedScheme,
    ::testing::Values(BadCase{"Empty", "", "Line 1: no scheme object."},
                      BadCase{"Truncated", "object Scheme\nobject Block\nName = 'x'\n", "Line 4: \"end\" is missing."},
                      BadCase{"NoBlock", "object Scheme\nend\n", "Line 2: the scheme has no block."},
                      BadCase{"TwoOutermostBlocks", "object Scheme\nobject Block\nend\nobject Block\nend\nend",
                              "Line 4: a scheme has one outermost block."},
                      BadCase{"UnclosedText", "object Scheme\nName = 'abc\n", "Line 2: a text is not closed."},
                      BadCase{"UnknownProperty", "object Scheme\nobject Block\nColour = $000000\n",
                              "Line 3: unknown block property \"Colour\"."},
                      BadCase{"UnknownStyle", "object Scheme\nobject Block\nStyle.Bright = ($000000)\n",
                              "Line 3: unknown style \"Bright\"."},
                      BadCase{"ColourTooLong", "object Scheme\nobject Block\nBackground = $1234567\n",
                              "Line 3: a colour has six hexadecimal digits ($RRGGBB)."},
                      BadCase{"EmptyDelimiter", "object Scheme\nobject Block\nDelimiter = ('', '>')\n",
                              "Line 3: the text must not be empty."},
                      BadCase{"DelimiterNotAPair", "object Scheme\nobject Block\nDelimiter = '<'\n",
                              "Line 3: a pair of texts ('open', 'close') is expected."},
                      BadCase{"CharacterCodeTooBig", "object Scheme\nName = #256\n",
                              "Line 2: a character code must be a number from 0 to 255."},
                      BadCase{"TextAfterTheEnd", "object Scheme\nobject Block\nend\nend\nName = 'x'\n",
                              "Line 5: text after the end of the scheme."},
                      BadCase{"EndWithoutObject", "end\n", "Line 1: \"end\" without an object."},
                      BadCase{"NotAPropertyLine", "object Scheme\nhello\n",
                              "Line 2: expected \"name = value\", \"object\" or \"end\"."},
                      BadCase{"TooDeep", blocks(7), "Line 14: blocks nest at most 5 deep."},
                      BadCase{"TooManyBlocks",
                              "object Scheme\nobject Block\n" +
                                  [] {
                                    std::string s;
                                    for (int i = 0; i < 16; ++i) s += "object Block\nend\n";
                                    return s;
                                  }(),
                              "Line 33: a scheme has at most 16 blocks."},
                      BadCase{"TooManyDelimiters",
                              "object Scheme\nobject Block\n" +
                                  [] {
                                    std::string s;
                                    for (int i = 0; i < 17; ++i) s += "Delimiter = ('a', 'b')\n";
                                    return s;
                                  }(),
                              "Line 19: a block has at most 16 delimiters."}),
    [](const auto& row) { return row.param.name; });

TEST(SchemeFile, FileErrorsNameTheFile) {
  test::ScratchFolder dir("schemes");
  const std::string bad = dir.file("bad.sch");
  dir.write("bad.sch", "object Scheme\nobject Block\nBold = True\n");
  try {
    readSchemeFile(bad);
    FAIL() << "read a damaged file";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "Can't read syntax scheme from file \"" + bad + "\".\nLine 3: unknown block property \"Bold\".");
  }
  try {
    readSchemeFile(dir.file("missing.sch"));
    FAIL() << "read a missing file";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.file("missing.sch"));
  }
  writeSchemeFile(dir.file("x.sch"), everyProperty());
  EXPECT_EQ(readSchemeFile(dir.file("x.sch")), everyProperty());
}

}  // namespace
}  // namespace markloom
