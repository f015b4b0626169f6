#include <gtest/gtest.h>

#include <random>
#include <set>

#include "core/analysis/character_references.h"
#include "core/analysis/html_tokens.h"
#include "core/analysis/literal_tokenizer.h"
#include "core/analysis/token_dump.h"

namespace markloom {
namespace {

struct TextCase {
  const char* name;
  std::string raw;
  std::string text;
};

class TextNormalisation : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextNormalisation, GivesTheExpectedText) {
  EXPECT_EQ(test::quoted(normalizeText(GetParam().raw)), test::quoted(GetParam().text));
}

TEST_P(TextNormalisation, AgreesWithTheInPlaceProcedure) {
  EXPECT_EQ(test::quoted(normalizeText(GetParam().raw)), test::quoted(literal::normalize(GetParam().raw)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextNormalisation,
    ::testing::Values(
        TextCase{"AngleBrackets", "&lt;b&gt;", "<b>"}, TextCase{"HexadecimalLowerX", "caf&#xe9;", "caf\xe9"},
        TextCase{"HexadecimalUpperX", "caf&#XE9;", "caf\xe9"},
        TextCase{"DecimalAbove255StaysUnchanged", "&#1000;", "&#1000;"},
        TextCase{"DecimalOf256StaysUnchanged", "&#256;", "&#256;"},
        TextCase{"HexadecimalOfThreeDigitsStaysUnchanged", "&#x0E9;", "&#x0E9;"},
        TextCase{"NamedInCapitalsStaysUnchanged", "&AMP; &LT;", "&AMP; &LT;"},
        TextCase{"NamedEndedByABlankStaysUnchanged", "a &amp b", "a &amp b"},
        TextCase{"ZeroGivesABlank", "a&#0;b", "a b"},
        TextCase{"ControlCodesAndNoBreakSpaceGiveBlanks", "&#9;&#31;&#160;&nbsp;", "    "},
        TextCase{"Code255", "&#255;&yuml;", "\xff\xff"},
        TextCase{"BlankEndsANumericReferenceAndIsConsumed", "&#65 b", "Ab"},
        TextCase{"LetterCaseOfNamesMatters", "&Agrave;&agrave;&AElig;", "\xc0\xe0\xc6"},
        TextCase{"EscapedAmpersandDecodesOnce", "&amp;lt;", "&lt;"}, TextCase{"QuotAndAmp", "&quot;&amp;", "\"&"},
        TextCase{"AmpersandRestartsTheReference", "&a&amp;", "&a&"},
        TextCase{"UnterminatedStaysUnchanged", "x &amp", "x &amp"},
        TextCase{"EmptyNumericStaysUnchanged", "&#; &#x; &# ", "&#; &#x; &# "},
        TextCase{"SignedOrNonDigitNumericStaysUnchanged", "&#-1; &#+65; &#1a; &#xg;", "&#-1; &#+65; &#1a; &#xg;"},
        TextCase{"UnknownNameStaysUnchanged", "&bogus; &;", "&bogus; &;"},
        TextCase{"LineFeedsBecomeBlanksAndBlankRunsShrink", "a\n\nb  c   d\n", "a b c d "},
        TextCase{"TabsAreNotCollapsed", "a\t\tb", "a\t\tb"},
        TextCase{"DecodedBlanksAreNotCollapsed", "a &#32; b", "a   b"},
        TextCase{"CollapsedBlankCanEndAReference", "&#66  c", "Bc"},
        TextCase{"HighBytesPassThrough", "\xe9\xff\x80", "\xe9\xff\x80"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReferenceTables, NamedTableHasTheEscapesThenLatin1InCodeOrder) {
  const auto& table = namedReferences();
  ASSERT_EQ(table.size(), 100u);
  EXPECT_EQ(table[0].name, "&quot;");
  EXPECT_EQ(table[0].numeric, "&#34;");
  EXPECT_EQ(table[3].name, "&gt;");
  EXPECT_EQ(table[4].name, "&nbsp;");
  EXPECT_EQ(table[4].numeric, "&#160;");
  EXPECT_EQ(table[4 + 233 - 160].name, "&eacute;");
  EXPECT_EQ(table[99].name, "&yuml;");
  EXPECT_EQ(table[99].numeric, "&#255;");
  std::set<std::string_view> names;
  for (std::size_t k = 4; k < 100; ++k) {
    EXPECT_EQ(table[k].numeric, "&#" + std::to_string(160 + k - 4) + ";");
    names.insert(table[k].name);
  }
  EXPECT_EQ(names.size(), 96u) << "names must be distinct";
}

TEST(ReferenceTables, EveryNamedEntryDecodesToItsCode) {
  for (const auto& entry : namedReferences()) {
    const std::string body(entry.numeric.substr(2, entry.numeric.size() - 3));
    const int code = std::stoi(body);
    const char expected = code == 160 ? ' ' : static_cast<char>(code);
    EXPECT_EQ(decodeReferences(entry.name), std::string(1, expected)) << entry.name;
  }
}

TEST(ReferenceTables, CharacterTableMapsControlsAndNoBreakSpaceToBlank) {
  const auto& chars = referenceCharacters();
  for (int code = 0; code < 256; ++code) {
    const char expected = (code < 32 || code == 160) ? ' ' : static_cast<char>(code);
    EXPECT_EQ(chars[code], expected) << code;
  }
}

TEST(TextNormalisationRandom, AgreesWithTheInPlaceProcedure) {
  static const char* pieces[] = {"&", ";", " ",   "\n", "#",    "x",      "X",     "1",     "6",  "0",   "2", "5",
                                 "e", "E", "amp", "lt", "nbsp", "eacute", "AElig", "&amp;", "&#", "&#x", "a", "\t"};
  std::mt19937 rng(11);
  for (int round = 0; round < 2000; ++round) {
    std::string raw;
    const int count = static_cast<int>(rng() % 24);
    for (int i = 0; i < count; ++i) raw += pieces[rng() % std::size(pieces)];
    ASSERT_EQ(test::quoted(normalizeText(raw)), test::quoted(literal::normalize(raw))) << test::quoted(raw);
  }
}

}  // namespace
}  // namespace markloom
