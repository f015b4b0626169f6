// Every one-click command of the catalog, run on an in-memory document: the
// exact text it writes and where the caret ends. The expected texts are written
// out here independently of the catalog, and the catalog is checked to hold
// exactly the commands listed here.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/common/command_ids.h"
#include "core/document/text_buffer.h"
#include "core/markup/markup_catalog.h"

namespace markloom::markup {
namespace {

enum class Kind { Snippet, Wrap, Lines };

struct OutputCase {
  std::string name;
  std::string_view id;
  Kind kind;
  std::string a, b, c;  // Snippet: a; Wrap: a, b; Lines: a, b, c
  std::string value;    // the box value, for the box commands
};

void PrintTo(const OutputCase& c, std::ostream* os) { *os << c.name; }

const std::vector<OutputCase> kOutputCases = {
    {"InsertHorizontalRule", ids::kInsertHorizontalRule, Kind::Snippet, R"~(<HR>)~"},
    {"InsertLineBreak", ids::kInsertLineBreak, Kind::Snippet, R"~(<BR>)~"},
    {"InsertNonBreakingSpace", ids::kInsertNonBreakingSpace, Kind::Snippet, R"~(&nbsp;)~"},
    {"InsertAnchor", ids::kInsertAnchor, Kind::Snippet, R"~(<A name=".."></A>)~"},
    {"InsertActiveX", ids::kInsertActiveX, Kind::Snippet,
     R"~(<object id="" classid="" width= height= data=""></object>)~"},
    {"InsertTimestamp", ids::kInsertTimestamp, Kind::Snippet,
     R"~(<SCRIPT Language="JavaScript" type="text/javascript">document.write(document.lastModified);</script>)~"},
    {"Bold", ids::kBold, Kind::Wrap, R"~(<b>)~", R"~(</b>)~"},
    {"Italic", ids::kItalic, Kind::Wrap, R"~(<i>)~", R"~(</i>)~"},
    {"Underline", ids::kUnderline, Kind::Wrap, R"~(<u>)~", R"~(</u>)~"},
    {"Blink", ids::kBlink, Kind::Wrap, R"~(<blink>)~", R"~(</blink>)~"},
    {"Strikethrough", ids::kStrikethrough, Kind::Wrap, R"~(<strike>)~", R"~(</strike>)~"},
    {"FontSize6", ids::kFontSize6, Kind::Wrap, R"~(<font size="6">)~", R"~(</font>)~"},
    {"FontSize5", ids::kFontSize5, Kind::Wrap, R"~(<font size="5">)~", R"~(</font>)~"},
    {"FontSize4", ids::kFontSize4, Kind::Wrap, R"~(<font size="4">)~", R"~(</font>)~"},
    {"FontSize3", ids::kFontSize3, Kind::Wrap, R"~(<font size="3">)~", R"~(</font>)~"},
    {"FontSize2", ids::kFontSize2, Kind::Wrap, R"~(<font size="2">)~", R"~(</font>)~"},
    {"FontSize1", ids::kFontSize1, Kind::Wrap, R"~(<font size="1">)~", R"~(</font>)~"},
    {"FontSizeMinus1", ids::kFontSizeMinus1, Kind::Wrap, R"~(<font size="-1">)~", R"~(</font>)~"},
    {"FontSizeMinus2", ids::kFontSizeMinus2, Kind::Wrap, R"~(<font size="-2">)~", R"~(</font>)~"},
    {"AlignLeft", ids::kAlignLeft, Kind::Wrap, R"~(<p align="left">)~", R"~(</p>)~"},
    {"AlignCenter", ids::kAlignCenter, Kind::Wrap, R"~(<p align="center">)~", R"~(</p>)~"},
    {"AlignRight", ids::kAlignRight, Kind::Wrap, R"~(<p align="right">)~", R"~(</p>)~"},
    {"InsertFrameset", ids::kInsertFrameset, Kind::Snippet, R"~(<frameset></frameset>)~"},
    {"InsertFrame", ids::kInsertFrame, Kind::Snippet, R"~(<frame name="" src="">)~"},
    {"InsertInlineFrame", ids::kInsertInlineFrame, Kind::Snippet, R"~(<iframe></iframe>)~"},
    {"InsertNoFrames", ids::kInsertNoFrames, Kind::Snippet, R"~(<noframes></noframes>)~"},
    {"InsertTableBody", ids::kInsertTableBody, Kind::Snippet, R"~(<tbody></tbody>)~"},
    {"InsertTableHead", ids::kInsertTableHead, Kind::Snippet, R"~(<thead></thead>)~"},
    {"InsertTableFoot", ids::kInsertTableFoot, Kind::Snippet, R"~(<tfoot></tfoot>)~"},
    {"InsertTableRow", ids::kInsertTableRow, Kind::Snippet, R"~(<tr></tr>)~"},
    {"InsertTableCell", ids::kInsertTableCell, Kind::Snippet, R"~(<td></td>)~"},
    {"InsertForm", ids::kInsertForm, Kind::Snippet, R"~(<form name=".." action=".." method=".."></form>)~"},
    {"InsertInputField", ids::kInsertInputField, Kind::Snippet, R"~(<input type="text" style="">)~"},
    {"InsertCheckBox", ids::kInsertCheckBox, Kind::Snippet, R"~(<input type="checkbox" style="">)~"},
    {"InsertRadioButton", ids::kInsertRadioButton, Kind::Snippet, R"~(<input type="radio" style="">)~"},
    {"InsertTextField", ids::kInsertTextField, Kind::Snippet, R"~(<input type="text" style="">)~"},
    {"InsertTextArea", ids::kInsertTextArea, Kind::Snippet, R"~(<textarea name="" style=""></textarea>)~"},
    {"InsertDropDownList", ids::kInsertDropDownList, Kind::Snippet,
     R"~(<select name="menu" size=""><option selected>A</option><option>B</option></select>)~"},
    {"InsertFileField", ids::kInsertFileField, Kind::Snippet,
     R"~(<input type="file" name="file" enctype="multipart/form-data">)~"},
    {"InsertImageInput", ids::kInsertImageInput, Kind::Snippet,
     R"~(<input type="image" src="" border="" name="" style="">)~"},
    {"InsertHiddenField", ids::kInsertHiddenField, Kind::Snippet, R"~(<input type="hidden">)~"},
    {"InsertUnorderedList", ids::kInsertUnorderedList, Kind::Snippet, R"~(<ul></ul>)~"},
    {"InsertOrderedList", ids::kInsertOrderedList, Kind::Snippet, R"~(<ol></ol>)~"},
    {"InsertListItem", ids::kInsertListItem, Kind::Snippet, R"~(<li>)~"},
    {"InsertDefinition", ids::kInsertDefinition, Kind::Snippet, R"~(<dd>)~"},
    {"InsertDefinitionTerm", ids::kInsertDefinitionTerm, Kind::Snippet, R"~(<dt>)~"},
    {"InsertMenuList", ids::kInsertMenuList, Kind::Snippet, R"~(<menu></menu>)~"},
    {"Strong", ids::kStrong, Kind::Wrap, R"~(<strong>)~", R"~(</strong>)~"},
    {"Emphasis", ids::kEmphasis, Kind::Wrap, R"~(<em>)~", R"~(</em>)~"},
    {"WmlUnderline", ids::kWmlUnderline, Kind::Wrap, R"~(<u>)~", R"~(</u>)~"},
    {"AspInclude", ids::kAspInclude, Kind::Snippet, R"~(<!--#include file=""-->)~"},
    {"AspCode", ids::kAspCode, Kind::Snippet, R"~(<% %>)~"},
    {"AspExpression", ids::kAspExpression, Kind::Snippet, R"~(<%= %>)~"},
    {"AspIf", ids::kAspIf, Kind::Snippet, R"~(<% if %>)~"},
    {"AspElse", ids::kAspElse, Kind::Snippet, R"~(<% else %>)~"},
    {"AspEndIf", ids::kAspEndIf, Kind::Snippet, R"~(<% endif %>)~"},
    {"ColdFusionIf", ids::kColdFusionIf, Kind::Snippet, R"~(<cfif></cfif>)~"},
    {"ColdFusionElse", ids::kColdFusionElse, Kind::Snippet, R"~(<cfelse>)~"},
    {"ColdFusionElseIf", ids::kColdFusionElseIf, Kind::Snippet, R"~(<cfelseif>)~"},
    {"ColdFusionSet", ids::kColdFusionSet, Kind::Snippet, R"~(<cfset>)~"},
    {"ColdFusionOutput", ids::kColdFusionOutput, Kind::Snippet, R"~(<cfoutput></cfoutput>)~"},
    {"SsiBreak", ids::kSsiBreak, Kind::Snippet, R"~(<!--#break -->)~"},
    {"SsiEcho", ids::kSsiEcho, Kind::Snippet, R"~(<!--#echo var="" -->)~"},
    {"SsiLabel", ids::kSsiLabel, Kind::Snippet, R"~(<!--#label="" -->)~"},
    {"SsiGoto", ids::kSsiGoto, Kind::Snippet, R"~(<!--#goto="" -->)~"},
    {"PhpShortTag", ids::kPhpShortTag, Kind::Snippet, R"~(<? ?>)~"},
    {"PhpTag", ids::kPhpTag, Kind::Snippet, R"~(<?php ?>)~"},
    {"JspDeclaration", ids::kJspDeclaration, Kind::Snippet, R"~(<%! %>)~"},
    {"JspScriptlet", ids::kJspScriptlet, Kind::Snippet, R"~(<% %>)~"},
    {"JspExpression", ids::kJspExpression, Kind::Snippet, R"~(<%= %>)~"},
    {"JspInclude", ids::kJspInclude, Kind::Snippet, R"~(<jsp:include page="" flush="true"/>)~"},
    {"JspComment", ids::kJspComment, Kind::Snippet, R"~(<%----%>)~"},
    {"JspParam", ids::kJspParam, Kind::Snippet, R"~(<jsp:param name="" value=""/>)~"},
    {"JspParams", ids::kJspParams, Kind::Snippet, R"~(<jsp:params></jsp:params>)~"},
    {"WebTvAudioscope", ids::kWebTvAudioscope, Kind::Snippet,
     R"~(<audioscope align="" leftcolor="#" width="" height="" rightcolor="#" rightoffset="" border="" leftoffset="" maxlevel="yes|no" gain="">)~"},
    {"WebTvBaseFont", ids::kWebTvBaseFont, Kind::Snippet, R"~(<basefont size="" face="" color="">)~"},
    {"WebTvBlockQuote", ids::kWebTvBlockQuote, Kind::Snippet, R"~(<bq></bq>)~"},
    {"WebTvLimitText", ids::kWebTvLimitText, Kind::Snippet, R"~(<limittext width="" size="" value="">)~"},
    {"WebTvNoBreak", ids::kWebTvNoBreak, Kind::Snippet, R"~(<nobr>)~"},
    {"WebTvNoSmartQuotes", ids::kWebTvNoSmartQuotes, Kind::Snippet, R"~(<nosmartquotes></nosmartquotes>)~"},
    {"WebTvShadow", ids::kWebTvShadow, Kind::Snippet, R"~(<shadow></shadow>)~"},
    {"WebTvSidebar", ids::kWebTvSidebar, Kind::Snippet, R"~(<sidebar align="" width=""></sidebar>)~"},
    {"Heading1", ids::kHeading1, Kind::Wrap, "<h1>", "</h1>"},
    {"Heading2", ids::kHeading2, Kind::Wrap, "<h2>", "</h2>"},
    {"Heading3", ids::kHeading3, Kind::Wrap, "<h3>", "</h3>"},
    {"Heading4", ids::kHeading4, Kind::Wrap, "<h4>", "</h4>"},
    {"Heading5", ids::kHeading5, Kind::Wrap, "<h5>", "</h5>"},
    {"Heading6", ids::kHeading6, Kind::Wrap, "<h6>", "</h6>"},
    {"Big", ids::kBig, Kind::Wrap, "<big>", "</big>"},
    {"Small", ids::kSmall, Kind::Wrap, "<small>", "</small>"},
    // PHP: three whole lines above the caret's line.
    {"PhpVariable", ids::kPhpVariable, Kind::Lines, "<?", R"~($var =  ".."; )~", "?>"},
    {"PhpArrayElement", ids::kPhpArrayElement, Kind::Lines, "<?", R"~($var[x] = "..";)~", "?>"},
    {"PhpEcho", ids::kPhpEcho, Kind::Lines, "<?", R"~(echo "$var"; )~", "?>"},
    {"PhpIf", ids::kPhpIf, Kind::Lines, "<?", "if ($a > $b)", R"~(     print "a > b" ?>)~"},
    {"PhpElse", ids::kPhpElse, Kind::Lines, "<?", "} else {", "?>"},
    {"PhpElseIf", ids::kPhpElseIf, Kind::Lines, "<?", "} elseif ($a==$b) {", "?>"},
    // Boxes: their value goes into the text.
    {"FontBoxArial", ids::kFontFaceBox, Kind::Wrap, R"~(<font face="Arial">)~", "</font>", "", "Arial"},
    {"FontBoxNameWithBlanks", ids::kFontFaceBox, Kind::Wrap, R"~(<font face="Times New Roman">)~", "</font>", "",
     "Times New Roman"},
    {"ColourBoxRed", ids::kFontColourBox, Kind::Wrap, R"~(<font color="Red">)~", "</font>", "", "Red"},
    {"TagBoxInitialText", ids::kInsertColdFusionTag, Kind::Snippet, "ColdFusion Tags...", "", "", "ColdFusion Tags..."},
    {"TagBoxChosenEntry", ids::kInsertColdFusionTag, Kind::Snippet, "<cfabort>", "", "", "<cfabort>"},
    {"TagBoxTypedText", ids::kInsertColdFusionTag, Kind::Snippet, "<cfx_mine a=\"&\">", "", "", "<cfx_mine a=\"&\">"},
};

const std::vector<std::string> kDocument = {"one", "two", "three"};

class MarkupCatalogOutput : public ::testing::TestWithParam<OutputCase> {
 protected:
  void SetUp() override {
    command_ = findCommand(GetParam().id);
    ASSERT_NE(command_, nullptr) << GetParam().id << " is not in the catalog";
    buffer_.setLines(kDocument);
  }
  void run() { ASSERT_TRUE(runCommand(buffer_, *command_, GetParam().value)); }
  static int len(const std::string& s) { return static_cast<int>(s.size()); }

  const Command* command_ = nullptr;
  TextBuffer buffer_;
};

TEST_P(MarkupCatalogOutput, WritesItsTextAtTheCaret) {
  const OutputCase& c = GetParam();
  buffer_.setCaret({1, 1});  // t|wo
  run();
  switch (c.kind) {
    case Kind::Snippet:
      // The caret stays in front of the snippet.
      EXPECT_EQ(buffer_.lines(), (std::vector<std::string>{"one", "t" + c.a + "wo", "three"}));
      EXPECT_EQ(buffer_.caret(), (TextPosition{1, 1}));
      break;
    case Kind::Wrap:
      // Nothing selected: the pair goes in and the caret ends after it.
      EXPECT_EQ(buffer_.lines(), (std::vector<std::string>{"one", "t" + c.a + c.b + "wo", "three"}));
      EXPECT_EQ(buffer_.caret(), (TextPosition{1, 1 + len(c.a) + len(c.b)}));
      break;
    case Kind::Lines:
      // Three whole lines in front of the caret's line, which moves down with the caret.
      EXPECT_EQ(buffer_.lines(), (std::vector<std::string>{"one", c.a, c.b, c.c, "two", "three"}));
      EXPECT_EQ(buffer_.caret(), (TextPosition{4, 1}));
      break;
  }
  EXPECT_FALSE(buffer_.hasSelection());
  EXPECT_TRUE(buffer_.modified());
}

TEST_P(MarkupCatalogOutput, TreatsASelectionAsItsPrimitiveSays) {
  const OutputCase& c = GetParam();
  buffer_.select({1, 1}, {1, 3});  // t[wo]
  run();
  switch (c.kind) {
    case Kind::Snippet:
      // The selected text stays; the snippet goes in at the caret, the
      // selection's end here.
      EXPECT_EQ(buffer_.lines(), (std::vector<std::string>{"one", "two" + c.a, "three"}));
      EXPECT_EQ(buffer_.caret(), (TextPosition{1, 3}));
      break;
    case Kind::Wrap:
      EXPECT_EQ(buffer_.lines(), (std::vector<std::string>{"one", "t" + c.a + "wo" + c.b, "three"}));
      EXPECT_EQ(buffer_.caret(), (TextPosition{1, 1 + len(c.a) + 2 + len(c.b)}));
      EXPECT_FALSE(buffer_.hasSelection());
      break;
    case Kind::Lines:
      EXPECT_EQ(buffer_.lines(), (std::vector<std::string>{"one", c.a, c.b, c.c, "two", "three"}));
      EXPECT_EQ(buffer_.caret().line, 4);
      break;
  }
}

TEST_P(MarkupCatalogOutput, IsUndoneInOneStep) {
  buffer_.setCaret({1, 1});
  run();
  buffer_.undo();
  EXPECT_EQ(buffer_.lines(), kDocument);
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, MarkupCatalogOutput, ::testing::ValuesIn(kOutputCases),
                         [](const auto& row) { return row.param.name; });

// The commands that insert without asking: exactly those listed above.
TEST(MarkupCatalog, ListsExactlyTheOneClickCommandsCheckedHere) {
  std::set<std::string_view> expected, actual;
  for (const OutputCase& c : kOutputCases) expected.insert(c.id);
  for (const Command& c : catalog()) {
    if (c.primitive != Primitive::Dialog && c.primitive != Primitive::None) actual.insert(c.id);
  }
  EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace markloom::markup
