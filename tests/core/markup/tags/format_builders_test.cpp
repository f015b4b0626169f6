// Font, style sheet and page transition markup.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/common/error.h"
#include "core/document/text_buffer.h"
#include "core/markup/tags/font_builder.h"
#include "core/markup/tags/page_transition_builder.h"
#include "core/markup/tags/style_sheet_builder.h"

namespace markloom::tags {
namespace {

using Lines = std::vector<std::string>;

FontFields font(std::string name, std::string size, std::string colour, std::vector<int> checked) {
  FontFields f;
  f.name = std::move(name);
  f.size = std::move(size);
  f.colour = std::move(colour);
  for (int i : checked) f.styles[i] = true;
  return f;
}

struct FontCase {
  std::string name;
  FontFields fields;
  std::string open;
  std::string close;
};
void PrintTo(const FontCase& c, std::ostream* os) { *os << c.name; }

const std::vector<FontCase> kFontCases = {
    {"BoldAndCode", font("Arial", "3", "Red", {0, 4}), R"(<B><CODE><FONT face="Arial" size="3" color="Red">)",
     "</FONT></CODE></B>"},
    {"NothingCheckedDefaults", FontFields{}, R"(<FONT face="" size="2" color="Black">)", "</FONT>"},
    {"AllTenBoxes", font("Verdana", "6", "Navy", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
     R"(<B><I><U><TT><CODE><BLINK><STRIKE><CITE><KBD><DFN><FONT face="Verdana" size="6" color="Navy">)",
     "</FONT></DFN></KBD></CITE></STRIKE></BLINK></CODE></TT></U></I></B>"},
    {"SizeAndNameWrittenUnchecked", font("My \"Font\"", "9", "$00123456", {9}),
     R"(<DFN><FONT face="My "Font"" size="9" color="$00123456">)", "</FONT></DFN>"},
};

class FontWrap : public ::testing::TestWithParam<FontCase> {};
TEST_P(FontWrap, OpensInBoxOrderAndClosesNested) {
  const FontCase& c = GetParam();
  EXPECT_EQ(fontMarkup(c.fields), wrap(c.open, c.close));
}
INSTANTIATE_TEST_SUITE_P(Builders, FontWrap, ::testing::ValuesIn(kFontCases),
                         [](const auto& row) { return row.param.name; });

// Each box alone, so a swapped pair of tags shows.
class FontStyleBox : public ::testing::TestWithParam<int> {};
TEST_P(FontStyleBox, WrapsItsOwnTagPair) {
  static const char* const kTags[] = {"B", "I", "U", "TT", "CODE", "BLINK", "STRIKE", "CITE", "KBD", "DFN"};
  const int i = GetParam();
  const Markup m = fontMarkup(font("F", "2", "Black", {i}));
  EXPECT_EQ(m.text, std::string("<") + kTags[i] + R"(><FONT face="F" size="2" color="Black">)");
  EXPECT_EQ(m.close, std::string("</FONT></") + kTags[i] + ">");
}
INSTANTIATE_TEST_SUITE_P(Builders, FontStyleBox, ::testing::Range(0, kFontStyleCount));

TEST(FontBuilder, BoxCaptionsInDialogOrder) {
  std::vector<std::string> captions;
  for (const FontStyle& s : fontStyles()) captions.emplace_back(s.caption);
  EXPECT_EQ(captions, (Lines{"Bold", "Italics", "Underline", "Typewritter", "Code", "Blink", "Strikethrough",
                             "Citation", "Keyboard", "Definition"}));
}

TEST(FontBuilder, WrapsTheSelectionAndKeepsItsLetters) {
  TextBuffer doc(Lines{"x include y"});
  doc.select({0, 2}, {0, 9});
  insertMarkup(doc, fontMarkup(font("Arial", "3", "Red", {0, 4})));
  EXPECT_EQ(doc.lines(), (Lines{R"(x <B><CODE><FONT face="Arial" size="3" color="Red">include</FONT></CODE></B> y)"}));
}

TEST(FontBuilder, WithNothingSelectedTheCaretEndsAfterTheElement) {
  TextBuffer doc(Lines{"ab"});
  doc.setCaret({0, 1});
  insertMarkup(doc, fontMarkup(FontFields{}));
  const std::string element = R"(<FONT face="" size="2" color="Black"></FONT>)";
  EXPECT_EQ(doc.lines(), (Lines{"a" + element + "b"}));
  EXPECT_EQ(doc.caret(), (TextPosition{0, static_cast<int>(1 + element.size())}));
}

struct ColourCase {
  std::string name;
  std::uint32_t bgr;
  std::string expected;
};
void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }
const std::vector<ColourCase> kColourCases = {
    {"Black", 0x000000, "Black"},
    {"Red", 0x0000FF, "Red"},
    {"Blue", 0xFF0000, "Blue"},
    {"Maroon", 0x000080, "Maroon"},
    {"Navy", 0x800000, "Navy"},
    {"Olive", 0x008080, "Olive"},
    {"Teal", 0x808000, "Teal"},
    {"Silver", 0xC0C0C0, "Silver"},
    {"Fuchsia", 0xFF00FF, "Fuchsia"},
    {"Aqua", 0xFFFF00, "Aqua"},
    {"Yellow", 0x00FFFF, "Yellow"},
    {"White", 0xFFFFFF, "White"},
    {"CustomBlueFirst", 0x00804020, "$00804020"},
    {"NearlyRed", 0x0000FE, "$000000FE"},
};
class FontColour : public ::testing::TestWithParam<ColourCase> {};
TEST_P(FontColour, NamesStandardColoursAndHexTheRest) {
  EXPECT_EQ(fontColourText(GetParam().bgr), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Builders, FontColour, ::testing::ValuesIn(kColourCases),
                         [](const auto& row) { return row.param.name; });

TEST(StyleSheetBuilder, LinksTheFileAsTyped) {
  EXPECT_EQ(styleSheetMarkup({"/home/u/site.css"}),
            snippet(R"(<LINK REL="stylesheet" TITLE="Default" HREF="/home/u/site.css" TYPE="text/css">)"));
  EXPECT_EQ(styleSheetMarkup({""}), snippet(R"(<LINK REL="stylesheet" TITLE="Default" HREF="" TYPE="text/css">)"));
  TextBuffer doc(Lines{"ab"});
  doc.setCaret({0, 1});
  insertMarkup(doc, styleSheetMarkup({"s.css"}));
  EXPECT_EQ(doc.lines(), (Lines{R"(a<LINK REL="stylesheet" TITLE="Default" HREF="s.css" TYPE="text/css">b)"}));
  EXPECT_EQ(doc.caret(), (TextPosition{0, 1}));
}

int indexOf(std::string_view name) {
  const auto& list = transitions();
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

struct TransitionCase {
  std::string name;
  std::string event;
  std::string time;
  std::string entry;
  std::string expected;
};
void PrintTo(const TransitionCase& c, std::ostream* os) { *os << c.name; }
const std::vector<TransitionCase> kTransitionCases = {
    {"CircleOutDefaults", "Page-Enter", "1", "Circle Out",
     R"~(<meta http-equiv="Page-Enter" content="revealTrans(Duration=1.0,Transition=3)">)~"},
    {"Random", "Page-Enter", "1", "Random",
     R"~(<meta http-equiv="Page-Enter" content="revealTrans(Duration=1.0,Transition=23)">)~"},
    {"SplitVerticalInSkipsTwelve", "Page-Enter", "1", "Split Vertical In",
     R"~(<meta http-equiv="Page-Enter" content="revealTrans(Duration=1.0,Transition=13)">)~"},
    {"BoxInIsZero", "Site-Exit", "3", "Box In",
     R"~(<meta http-equiv="Site-Exit" content="revealTrans(Duration=3.0,Transition=0)">)~"},
    {"TypedEventAndTime", "Page-Exit", "5", "Wipe Left",
     R"~(<meta http-equiv="Page-Exit" content="revealTrans(Duration=5.0,Transition=7)">)~"},
    {"FractionalTimeKept", "Page-Enter", "2.5", "Checkerboard Down",
     R"~(<meta http-equiv="Page-Enter" content="revealTrans(Duration=2.5,Transition=11)">)~"},
    {"EmptyTime", "", "", "Random Bars Vertical",
     R"~(<meta http-equiv="" content="revealTrans(Duration=.0,Transition=22)">)~"},
};
class TransitionMeta : public ::testing::TestWithParam<TransitionCase> {};
TEST_P(TransitionMeta, IsExact) {
  const TransitionCase& c = GetParam();
  const int index = indexOf(c.entry);
  ASSERT_GE(index, 0) << c.entry;
  EXPECT_EQ(transitionMarkup({c.event, c.time, index}), snippet(c.expected));
}
INSTANTIATE_TEST_SUITE_P(Builders, TransitionMeta, ::testing::ValuesIn(kTransitionCases),
                         [](const auto& row) { return row.param.name; });

TEST(TransitionBuilder, ListsTwentyThreeEntriesNumberedWithoutTwelve) {
  const auto& list = transitions();
  ASSERT_EQ(list.size(), 23u);
  std::set<int> numbers;
  std::set<std::string_view> names;
  for (const Transition& t : list) {
    numbers.insert(t.number);
    names.insert(t.name);
  }
  EXPECT_EQ(names.size(), 23u);
  std::set<int> expected;
  for (int n = 0; n <= 23; ++n) {
    if (n != 12) expected.insert(n);
  }
  EXPECT_EQ(numbers, expected);
  EXPECT_EQ(list[12].name, "Split Vertical In");
  EXPECT_EQ(list[20].name, "Random Bars Horizontal");
  EXPECT_EQ(list[20].number, 21);
}

TEST(TransitionBuilder, WithoutASelectionItIsRefusedAndBuildsNothing) {
  TransitionFields f;
  EXPECT_EQ(transitionCheck(f), refuse("Please select a transition type."));
  EXPECT_THROW(transitionMarkup(f), Error);
  f.selected = 23;
  EXPECT_TRUE(transitionCheck(f).has_value());
  f.selected = 22;
  EXPECT_FALSE(transitionCheck(f).has_value());
  EXPECT_EQ(transitionEvents(), (Lines{"Page-Enter", "Page-Exit", "Site-Enter", "Site-Exit"}));
}

}  // namespace
}  // namespace markloom::tags
