#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/analysis/tag_tokenizer.h"
#include "core/wml/page_layout.h"
#include "fixed_metrics.h"

namespace markloom {
namespace {

using test::FixedMetrics;
using test::TablePictures;

constexpr int kClientWidth = 199;

// One item in a line: "label 2,2 6x15 "a" Arial 10 bold italic underline nowrap link "t"".
std::string describe(const WmlItem& item) {
  auto at = [&](const char* kind) {
    return std::string(kind) + " " + std::to_string(item.x) + "," + std::to_string(item.y) + " " +
           std::to_string(item.width) + "x" + std::to_string(item.height);
  };
  switch (item.kind) {
    case WmlItemKind::Label: {
      std::string s =
          at("label") + " \"" + item.text + "\" " + item.font.family + " " + std::to_string(item.font.points);
      if (item.font.bold) s += " bold";
      if (item.font.italic) s += " italic";
      if (item.font.underline) s += " underline";
      if (item.wrapWidth == 0) s += " nowrap";
      if (item.link) s += " link \"" + *item.link + "\"";
      return s;
    }
    case WmlItemKind::Rule: return at("rule");
    case WmlItemKind::TextField: return at("field");
    case WmlItemKind::OptionButton:
      return at("option") + " \"" + item.text + "\" " + item.font.family + " " + std::to_string(item.font.points);
    case WmlItemKind::Picture: return at("picture") + " \"" + item.text + "\" " + item.path;
    case WmlItemKind::PictureBox: return at("box") + " \"" + item.text + "\" " + item.path;
    case WmlItemKind::MissingPicture: return at("missing") + " \"" + item.text + "\"";
  }
  return "?";
}

std::vector<std::string> describe(const WmlPage& page) {
  std::vector<std::string> out;
  for (const WmlItem& item : page.items) out.push_back(describe(item));
  return out;
}

struct LayoutCase {
  const char* name;
  std::vector<std::string> lines;
  std::vector<std::string> items;
  std::string caption = "WAP Viewer";
};

// Pictures the cases can name.
TablePictures cardPictures() {
  return TablePictures(
      {{"logo.png", {"/cards/logo.png", {20, 10}, true}}, {"phone.wbmp", {"/cards/phone.wbmp", {8, 4}, false}}});
}

WmlPage layOut(const std::vector<std::string>& lines, PictureSource& pictures,
               TextCodec codec = TextCodec(TextEncoding::Utf8)) {
  const FixedMetrics metrics;
  return layOutPage(tokenizeLines(lines), PageSetup{metrics, pictures, codec, kClientWidth, 303});
}

class LaidOutPage : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LaidOutPage, PlacesTheExpectedItems) {
  TablePictures pictures = cardPictures();
  const WmlPage page = layOut(GetParam().lines, pictures);
  EXPECT_EQ(describe(page), GetParam().items);
  EXPECT_EQ(page.caption, GetParam().caption);
}

// A text that ends a line ends in a blank (the line feed). Pen at (2,2); Arial 10 is 13 pixels high, its labels 6 per
// character and 15 high (7 wide bold); Arial 24 bold 32 high, labels 17 x 34; Arial 7 bold 9 high, labels 5 x 11; the
// default font System 8 is 11 high, labels 5 x 13. The client area is 199 wide: labels wrap within 181, rules and
// fields are 179 wide, option buttons 197.
const LayoutCase kLayoutCases[] = {
    {"TextsOnOneLineFollowEachOther",
     {"<b>x</b> <i>y</i>"},
     {R"(label 2,2 7x15 "x" Arial 10 bold)", R"(label 9,2 6x15 " " Arial 10)",
      R"(label 15,2 6x15 "y" Arial 10 italic)"}},
    {"BreakOnlyWithTheSlashAgainstTheName",
     {"<card>a<br/>b<br />c</card>"},
     {R"(label 2,2 6x15 "a" Arial 10)", R"(label 2,17 6x15 "b" Arial 10)", R"(label 8,17 6x15 "c" Arial 10)"}},
    {"FieldForEverySelfClosingInput",
     {"a<input/>b<input name=\"x\"/>c<input name=\"y\" />d<input name=\"z\">e"},
     {R"(label 2,2 6x15 "a" Arial 10)", "field 2,24 179x19", R"(label 2,49 6x15 "b" Arial 10)", "field 2,71 179x19",
      R"(label 2,96 6x15 "c" Arial 10)", "field 2,118 179x19", R"(label 2,143 6x15 "d" Arial 10)",
      R"(label 8,143 12x15 "e " Arial 10)"}},
    {"RuleWithHalfALineAboveAndBelow",
     {"a<hr>b"},
     {R"(label 2,2 6x15 "a" Arial 10)", "rule 2,24 179x3", R"(label 2,33 12x15 "b " Arial 10)"}},
    // Outside an anchor a self-closing GO has no end of its own; its target is the HREF without the quotes
    // and the closing slash.
    {"SelfClosingGoLinksEverythingUpToTheNextEnd",
     {"before <go href=\"#next\"/>after<br/>more</go>tail"},
     {R"(label 2,2 42x15 "before " Arial 10)", R"(label 44,2 30x15 "after" Arial 10 underline link "#next")",
      R"(label 2,17 24x15 "more" Arial 10 underline link "#next")", R"(label 26,17 30x15 "tail " Arial 10)"}},
    // The usual WML link: the anchor's own text links to the GO's HREF, and the text after it is plain.
    {"AnchorTextLinksToTheGoInside",
     {"<anchor>News<go href=\"#news\"/></anchor> more"},
     {R"(label 2,2 24x15 "News" Arial 10 underline link "#news")", R"(label 26,2 36x15 " more " Arial 10)"}},
    {"AnchorWithTheGoFirstLinksAllItsTexts",
     {"<b><anchor title=\"t\"><go href='x' method=\"get\"/>Go <i>on</i></anchor>!</b>"},
     {R"(label 2,2 18x15 "Go " Arial 10 underline link "x")", R"(label 20,2 12x15 "on" Arial 10 underline link "x")",
      R"(label 32,2 7x15 "!" Arial 10 bold)"}},
    {"AnchorWithAGoAndItsEnd",
     {"<anchor>Send<go href=\"s.wml\"><postfield name=\"a\" value=\"1\"/></go></anchor>x"},
     {R"(label 2,2 24x15 "Send" Arial 10 underline link "s.wml")", R"(label 26,2 12x15 "x " Arial 10)"}},
    {"AnchorWithoutAGoIsPlainText",
     {"<anchor>Back<prev/></anchor>x"},
     {R"(label 2,2 24x15 "Back" Arial 10)", R"(label 26,2 12x15 "x " Arial 10)"}},
    {"AnchorWithABareGoLinksNowhere",
     {"<anchor>a<go/></anchor>"},
     {R"(label 2,2 6x15 "a" Arial 10 underline link "")"}},
    {"UnclosedAnchorIsLaidOutAtTheEnd",
     {"a<anchor>b<go href=\"t\"/>c"},
     {R"(label 2,2 6x15 "a" Arial 10)", R"(label 8,2 6x15 "b" Arial 10 underline link "t")",
      R"(label 14,2 12x15 "c " Arial 10 underline link "t")"}},
    {"ANewAnchorEndsTheLastOne",
     {"<anchor>a<go href=\"1\"/><anchor>b<go href=\"2\"/></anchor>"},
     {R"(label 2,2 6x15 "a" Arial 10 underline link "1")", R"(label 8,2 6x15 "b" Arial 10 underline link "2")"}},
    {"AWithAnHrefIsALink",
     {"<a href=\"x.wml\">go</a> there <a name=\"n\">plain</a><a href=\"#c\"/>z"},
     {R"(label 2,2 12x15 "go" Arial 10 underline link "x.wml")", R"(label 14,2 42x15 " there " Arial 10)",
      R"(label 56,2 30x15 "plain" Arial 10)", R"(label 86,2 12x15 "z " Arial 10)"}},
    {"LastHrefWinsAndGoWithoutHrefLinksNowhere",
     {"<go href=\"a\" href=\"b\">x</go><go>y</go>z"},
     {R"(label 2,2 6x15 "x" Arial 10 underline link "b")", R"(label 8,2 6x15 "y" Arial 10 underline link "")",
      R"(label 14,2 12x15 "z " Arial 10)"}},
    {"LinkStyleIsUnderlineAlone",
     {"<b><i>x<go href=\"t\">y</go>z</i></b>"},
     {R"(label 2,2 7x15 "x" Arial 10 bold italic)", R"(label 9,2 6x15 "y" Arial 10 underline link "t")",
      R"(label 15,2 7x15 "z" Arial 10 bold italic)"}},
    {"StylesSwitchOnAndOff",
     {"<u>a</u><strong><em>b</em></strong>c"},
     {R"(label 2,2 6x15 "a" Arial 10 underline)", R"(label 8,2 7x15 "b" Arial 10 bold italic)",
      R"(label 15,2 12x15 "c " Arial 10)"}},
    {"NestedBigOverwritesTheSaveSlot",
     {"<big>a<big>b</big>c</big>d"},
     {R"(label 2,2 17x34 "a" Arial 24 bold)", R"(label 19,2 17x34 "b" Arial 24 bold)",
      R"(label 2,68 17x34 "c" Arial 24 bold)", R"(label 2,134 34x34 "d " Arial 24 bold)"}},
    {"EndBigBeforeBigRestoresTheDefaultFont",
     {"a</big>b"},
     {R"(label 2,2 6x15 "a" Arial 10)", R"(label 2,28 10x13 "b " System 8)"}},
    {"SmallAndItsEnd",
     {"<small>tiny</small>x"},
     {R"(label 2,2 20x11 "tiny" Arial 7 bold)", R"(label 2,26 12x15 "x " Arial 10)"}},
    {"BigDropsItalicUntilItsEnd",
     {"<i>a<big>b</big>c</i>d"},
     {R"(label 2,2 6x15 "a" Arial 10 italic)", R"(label 8,2 17x34 "b" Arial 24 bold)",
      R"(label 2,49 6x15 "c" Arial 10 italic)", R"(label 8,49 12x15 "d " Arial 10)"}},
    {"OptionTextWithATagIsALabel",
     {"<select>", "<option>one</option>", "<option><b>two</b></option>", "</select>", "z"},
     {R"(option 2,20 197x17 "one" System 8)", R"(label 2,51 21x15 "two" Arial 10 bold)",
      R"(label 2,66 12x15 "z " Arial 10)"}},
    {"OptionsDoNotMoveThePen",
     {"<option>one</option><option>two</option>"},
     {R"(option 2,20 197x17 "one" System 8)", R"(option 2,51 197x17 "two" System 8)"}},
    {"LinkInPreformattedTextIsCourierUnderlined",
     {"<pre><go href=\"u\">p  q</go></pre>"},
     {R"(label 2,15 24x15 "p  q" Courier 10 underline nowrap link "u")"}},
    {"PreformattedKeepsLinesAndBlanks",
     {"<pre>", "a  b", "  c", "</pre>", "d"},
     {"label 2,15 24x45 \"a  b\n  c\n\" Courier 10 nowrap", R"(label 2,60 12x15 "d " Arial 10)"}},
    {"PreformattedKeepsTheStyle", {"<b><pre>x</pre></b>"}, {R"(label 2,15 7x15 "x" Courier 10 bold nowrap)"}},
    {"LongTextWrapsWithinTheClientWidthLess18",
     {"ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab<br/>z"},
     {R"(label 2,2 174x30 "ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab" Arial 10)",
      R"(label 2,32 12x15 "z " Arial 10)"}},
    {"OnlyTheLastLabelsHeightBreaksTheLine",
     {"ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab<b>z</b><br/>w"},
     {R"(label 2,2 174x30 "ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab" Arial 10)",
      R"(label 176,2 7x15 "z" Arial 10 bold)", R"(label 2,17 12x15 "w " Arial 10)"}},
    {"PicturesLeaveTheLineHeight",
     {"a<img src=\"logo.png\"><br/>b"},
     {R"(label 2,2 6x15 "a" Arial 10)", R"(picture 8,2 20x10 "logo.png" /cards/logo.png)",
      R"(label 2,17 12x15 "b " Arial 10)"}},
    // Found or not, a picture's text is its source value as written; a found one also has its file.
    {"PicturesInARowAtThePen",
     {"a<img src=\"logo.png\" src=\"phone.wbmp\" src=\"gone.gif\" alt=\"x\">b"},
     {R"(label 2,2 6x15 "a" Arial 10)", R"(picture 8,2 20x10 "logo.png" /cards/logo.png)",
      R"(box 28,2 8x4 "phone.wbmp" /cards/phone.wbmp)", R"(missing 36,2 12x12 "gone.gif")",
      R"(label 48,2 12x15 "b " Arial 10)"}},
    {"SelfClosingPictureFindsItsSource",
     {"<img alt=\"L\" src=\"logo.png\"/><img src=\"gone.gif\" />"},
     {R"(picture 2,2 20x10 "logo.png" /cards/logo.png)", R"(missing 22,2 12x12 "gone.gif")"}},
    {"ReferencesDecodedInTextOnly",
     {"<go href=\"a&amp;b\">&lt;x&gt; &amp; y</go>"},
     {R"(label 2,2 42x15 "<x> & y" Arial 10 underline link "a&amp;b")"}},
    {"UnknownAndEmptyTagsOnlyEndAnOption", {"<option>a > b</option>"}, {R"(label 2,20 18x15 "a b" Arial 10)"}},
    {"LastTitleWins", {"<card title=\"A\" title=\"B\">x</card>"}, {R"(label 2,2 6x15 "x" Arial 10)"}, "B - WAP Viewer"},
    {"CardWithoutTitleKeepsTheCaption", {"<card id=\"c\">x</card>"}, {R"(label 2,2 6x15 "x" Arial 10)"}},
    {"SeveralCardsOnOnePageTitleMetLast",
     {"<card title=\"One\">x</card>", "<card title=\"Two\">y</card>"},
     {R"(label 2,2 6x15 "x" Arial 10)", R"(label 8,2 6x15 "y" Arial 10)"},
     "Two - WAP Viewer"},
    {"EmptyTitleShowsThePlainCaption", {"<card title=\"First\">", "<card title=\"\">"}, {}, "WAP Viewer"},
    {"NothingAtAll", {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, LaidOutPage, ::testing::ValuesIn(kLayoutCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PageLayoutItems, LinkLabelsAloneTakeTheLinkColours) {
  TablePictures pictures = cardPictures();
  const WmlPage page = layOut({"a<go href=\"t\">b</go>c"}, pictures);
  ASSERT_EQ(page.items.size(), 3u);
  for (int i : {0, 2}) {
    EXPECT_FALSE(page.items[i].textColor) << i;
    EXPECT_FALSE(page.items[i].background) << i;
  }
  EXPECT_EQ(page.items[1].textColor, kLinkText);
  EXPECT_EQ(page.items[1].background, kLinkBackground);
}

TEST(PageLayoutItems, PicturesAreAskedForWithTheirDecodedSourceValues) {
  TablePictures pictures = cardPictures();
  const WmlPage page =
      layOut({"<img src=\"caf\xE9.png\" SRC=\"logo.png\" alt=\"x.png\">"}, pictures, TextCodec(TextEncoding::EightBit));
  EXPECT_EQ(pictures.asked, (std::vector<std::string>{"caf\xC3\xA9.png", "logo.png"}));
  ASSERT_EQ(page.items.size(), 2u);
  EXPECT_EQ(page.items[0].text, "caf\xC3\xA9.png");
  EXPECT_EQ(page.items[0].path, "");
  EXPECT_EQ(page.items[1].text, "logo.png");
  EXPECT_EQ(page.items[1].path, "/cards/logo.png");
}

struct CodecCase {
  const char* name;
  TextEncoding encoding;
  std::string line;
  std::string text, caption, link;
};

class PageLayoutCodec : public ::testing::TestWithParam<CodecCase> {};

// Labels, captions and link targets are text: the document's bytes read through its codec.
TEST_P(PageLayoutCodec, DecodesThroughTheDocumentsCodec) {
  TablePictures pictures = cardPictures();
  const WmlPage page = layOut({GetParam().line}, pictures, TextCodec(GetParam().encoding));
  ASSERT_EQ(page.items.size(), 1u);
  EXPECT_EQ(page.items[0].text, GetParam().text);
  EXPECT_EQ(page.caption, GetParam().caption);
  EXPECT_EQ(page.items[0].link, GetParam().link);
}

const CodecCase kCodecCases[] = {
    {"EightBit", TextEncoding::EightBit, "<card title=\"Caf\xE9\"><go href=\"\x80\">\x93x\x94</go>",
     "\xE2\x80\x9Cx\xE2\x80\x9D", "Caf\xC3\xA9 - WAP Viewer", "\xE2\x82\xAC"},
    // References decode to 8-bit characters, shown as such in either kind of document.
    {"EightBitReferences", TextEncoding::EightBit, "<go href=\"&eacute;\">&eacute;&#128;\xE9</go>",
     "\xC3\xA9\xE2\x82\xAC\xC3\xA9", "WAP Viewer", "&eacute;"},
    {"Utf8References", TextEncoding::Utf8, "<go href=\"&eacute;\">&eacute;&#128;\xC3\xA9&#xE9;\xE2\x82\xAC</go>",
     "\xC3\xA9\xE2\x82\xAC\xC3\xA9\xC3\xA9\xE2\x82\xAC", "WAP Viewer", "&eacute;"},
    // Bytes that are not UTF-8 in a UTF-8 document are read as the codec reads them: U+FFFD each.
    {"Utf8BrokenSequence", TextEncoding::Utf8, "<go>\xE2\x82&amp;</go>", "\xEF\xBF\xBD\xEF\xBF\xBD&", "WAP Viewer", ""},
    // Each reference is a character of its own: neighbours never merge into one UTF-8 sequence.
    {"Utf8NeighbouringReferences", TextEncoding::Utf8, "<go href=\"r\">&Acirc;&deg;C and &Eacute;&copy;</go>",
     "\xC3\x82\xC2\xB0"
     "C and \xC3\x89\xC2\xA9",
     "WAP Viewer", "r"},
    {"EightBitNeighbouringReferences", TextEncoding::EightBit, "<go href=\"r\">&Acirc;&deg;C and &Eacute;&copy;</go>",
     "\xC3\x82\xC2\xB0"
     "C and \xC3\x89\xC2\xA9",
     "WAP Viewer", "r"},
    // What a reference decodes to is never read again; &#150; is Windows-1252's en dash; a blank ends a
    // numeric reference and goes with it.
    {"DecodedCharactersAreNotReadAgain", TextEncoding::Utf8,
     "<go href=\"r\">&amp;lt; &#38;#233; &#150;&#160;x&#233 y&nbsp</go>", "&lt; &#233; \xE2\x80\x93 x\xC3\xA9y&nbsp",
     "WAP Viewer", "r"},
    {"Utf8", TextEncoding::Utf8, "<card title=\"Caf\xC3\xA9\"><go href=\"\xE2\x82\xAC\">\xC3\xBC</go>", "\xC3\xBC",
     "Caf\xC3\xA9 - WAP Viewer", "\xE2\x82\xAC"},
};

INSTANTIATE_TEST_SUITE_P(Cases, PageLayoutCodec, ::testing::ValuesIn(kCodecCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PageLayoutItems, EachItemIsHandedOnAsSoonAsItIsPlaced) {
  const FixedMetrics metrics;
  NoPictures pictures;
  std::vector<std::string> seen;
  PageLayout layout(PageSetup{metrics, pictures, TextCodec(), kClientWidth, 303},
                    [&seen](const WmlItem& item) { seen.push_back(describe(item)); });
  const auto tokens = tokenizeLines({"<card title=\"T\">a<hr>b</card>"});
  std::vector<std::size_t> counts;
  for (const HtmlToken& token : tokens) {
    layout.add(token);
    counts.push_back(seen.size());
  }
  // CARD, a, HR, b, /CARD
  EXPECT_EQ(counts, (std::vector<std::size_t>{0, 1, 2, 3, 3}));
  EXPECT_EQ(layout.caption(), "T - WAP Viewer");
  TablePictures none({});
  EXPECT_EQ(seen, describe(layOut({"<card title=\"T\">a<hr>b</card>"}, none)));
}

// An anchor's items wait for its end, where its link is known; an unclosed one's for finish().
TEST(PageLayoutItems, AnAnchorsItemsArePlacedAtItsEnd) {
  const FixedMetrics metrics;
  NoPictures pictures;
  std::vector<std::string> seen;
  PageLayout layout(PageSetup{metrics, pictures, TextCodec(), kClientWidth, 303},
                    [&seen](const WmlItem& item) { seen.push_back(describe(item)); });
  std::vector<std::size_t> counts;
  for (const HtmlToken& token : tokenizeLines({"<anchor>a<br/>b<go href=\"t\"/></anchor>c<anchor>d"})) {
    layout.add(token);
    counts.push_back(seen.size());
  }
  // ANCHOR, a, BR/, b, GO, /ANCHOR, c, ANCHOR, "d "
  EXPECT_EQ(counts, (std::vector<std::size_t>{0, 0, 0, 0, 0, 2, 3, 3, 3}));
  layout.finish();
  EXPECT_EQ(seen, (std::vector<std::string>{R"(label 2,2 6x15 "a" Arial 10 underline link "t")",
                                            R"(label 2,17 6x15 "b" Arial 10 underline link "t")",
                                            R"(label 8,17 6x15 "c" Arial 10)", R"(label 14,17 12x15 "d " Arial 10)"}));
}

// An anchor too long to be one waits no longer: what it holds is laid out as plain text.
TEST(PageLayoutItems, AVeryLongAnchorIsNotHeldBack) {
  const FixedMetrics metrics;
  NoPictures pictures;
  std::size_t seen = 0;
  PageLayout layout(PageSetup{metrics, pictures, TextCodec(), kClientWidth, 303}, [&seen](const WmlItem&) { ++seen; });
  layout.add(makeTag("anchor"));
  for (int i = 0; i < 2000; ++i) {
    layout.add(makeText(std::string(100, 'x')));
    layout.add(makeTag("br/"));
  }
  EXPECT_GT(seen, 500u);
}

TEST(PageLayoutItems, CardTitlesAloneSetTheCaption) {
  std::string caption = "WAP Viewer";
  applyCardTitles(makeTag("card id=\"x\" title=\"One\" TITLE=\"Two\""), TextCodec(), caption);
  EXPECT_EQ(caption, "Two - WAP Viewer");
  applyCardTitles(makeTag("card id=\"y\""), TextCodec(), caption);
  EXPECT_EQ(caption, "Two - WAP Viewer");
  applyCardTitles(makeTag("card title=\"\""), TextCodec(), caption);
  EXPECT_EQ(caption, "WAP Viewer");
}

TEST(PageLayoutItems, NarrowClientAreaNeverGivesNegativeWidths) {
  const FixedMetrics metrics;
  NoPictures pictures;
  const WmlPage page =
      layOutPage(tokenizeLines({"<hr><option>o</option>ab cd"}), PageSetup{metrics, pictures, TextCodec(), 10, 10});
  ASSERT_EQ(page.items.size(), 3u);
  EXPECT_EQ(page.items[0].width, 0);
  EXPECT_EQ(page.items[1].width, 8);
  EXPECT_EQ(page.items[2].width, 1);  // wraps within at least one pixel
}

struct HeightCase {
  int points, ppi, pixels;
};

class FontPixelHeight : public ::testing::TestWithParam<HeightCase> {};

TEST_P(FontPixelHeight, IsPointsAtTheResolutionRounded) {
  EXPECT_EQ(fontPixelHeight(GetParam().points, GetParam().ppi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Cases, FontPixelHeight,
                         ::testing::Values(HeightCase{10, 96, 13}, HeightCase{7, 96, 9}, HeightCase{24, 96, 32},
                                           HeightCase{8, 96, 11}, HeightCase{9, 96, 12}, HeightCase{10, 120, 17},
                                           HeightCase{10, 144, 20}, HeightCase{1, 36, 1}, HeightCase{0, 96, 0}));

}  // namespace
}  // namespace markloom
