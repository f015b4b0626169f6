// Every one-click command of the catalog, run on an in-memory document: the
// exact text it writes and where the caret ends. The expected texts are written
// out here independently of the catalog, and the catalog is checked to hold
// exactly the commands listed here.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/document/text_buffer.h"
#include "core/markup/markup_catalog.h"

namespace markloom::markup {
namespace {

enum class Kind { Snippet, Wrap, Lines };

struct OutputCase {
  std::string name;
  std::string handler;
  Kind kind;
  std::string a, b, c;  // Snippet: a; Wrap: a, b; Lines: a, b, c
  std::string value;    // the box value, for the box commands
};

void PrintTo(const OutputCase& c, std::ostream* os) { *os << c.name; }

const std::vector<OutputCase> kOutputCases = {
    {"HorizontalRule1", "HorizontalRule1Click", Kind::Snippet, R"~(<HR>)~"},
    {"LineBreak1", "LineBreak1Click", Kind::Snippet, R"~(<BR>)~"},
    {"NonBreakingSpace1", "NonBreakingSpace1Click", Kind::Snippet, R"~(&nbsp;)~"},
    {"Anchor1", "Anchor1Click", Kind::Snippet, R"~(<A name=".."></A>)~"},
    {"ActiveXControl1", "ActiveXControl1Click", Kind::Snippet, R"~(<object id="" classid="" width= height= data=""></object>)~"},
    {"Timestamp1", "Timestamp1Click", Kind::Snippet, R"~(<SCRIPT Language="JavaScript" type="text/javascript">document.write(document.lastModified);</script>)~"},
    {"Bold1", "Bold1Click", Kind::Wrap, R"~(<b>)~", R"~(</b>)~"},
    {"Italic1", "Italic1Click", Kind::Wrap, R"~(<i>)~", R"~(</i>)~"},
    {"Underline1", "Underline1Click", Kind::Wrap, R"~(<u>)~", R"~(</u>)~"},
    {"Blink1", "Blink1Click", Kind::Wrap, R"~(<blink>)~", R"~(</blink>)~"},
    {"Strikethrough1", "Strikethrough1Click", Kind::Wrap, R"~(<strike>)~", R"~(</strike>)~"},
    {"N62", "N62Click", Kind::Wrap, R"~(<font size="6">)~", R"~(</font>)~"},
    {"N53", "N53Click", Kind::Wrap, R"~(<font size="5">)~", R"~(</font>)~"},
    {"N42", "N42Click", Kind::Wrap, R"~(<font size="4">)~", R"~(</font>)~"},
    {"N32", "N32Click", Kind::Wrap, R"~(<font size="3">)~", R"~(</font>)~"},
    {"N22", "N22Click", Kind::Wrap, R"~(<font size="2">)~", R"~(</font>)~"},
    {"N110", "N110Click", Kind::Wrap, R"~(<font size="1">)~", R"~(</font>)~"},
    {"N111", "N111Click", Kind::Wrap, R"~(<font size="-1">)~", R"~(</font>)~"},
    {"N23", "N23Click", Kind::Wrap, R"~(<font size="-2">)~", R"~(</font>)~"},
    {"LeftBtn", "LeftBtnClick", Kind::Wrap, R"~(<p align="left">)~", R"~(</p>)~"},
    {"rghtbtn", "rghtbtnClick", Kind::Wrap, R"~(<p align="center">)~", R"~(</p>)~"},
    {"cntbtn", "cntbtnClick", Kind::Wrap, R"~(<p align="right">)~", R"~(</p>)~"},
    {"FramesetButton", "FramesetButtonClick", Kind::Snippet, R"~(<frameset></frameset>)~"},
    {"FrameButton", "FrameButtonClick", Kind::Snippet, R"~(<frame name="" src="">)~"},
    {"IFrameButton", "IFrameButtonClick", Kind::Snippet, R"~(<iframe></iframe>)~"},
    {"NoFrameButton", "NoFrameButtonClick", Kind::Snippet, R"~(<noframes></noframes>)~"},
    {"tobdyButton", "tobdyButtonClick", Kind::Snippet, R"~(<tbody></tbody>)~"},
    {"tHeadButton", "tHeadButtonClick", Kind::Snippet, R"~(<thead></thead>)~"},
    {"tFootButton", "tFootButtonClick", Kind::Snippet, R"~(<tfoot></tfoot>)~"},
    {"tRButton", "tRButtonClick", Kind::Snippet, R"~(<tr></tr>)~"},
    {"tDButton", "tDButtonClick", Kind::Snippet, R"~(<td></td>)~"},
    {"FormButton", "FormButtonClick", Kind::Snippet, R"~(<form name=".." action=".." method=".."></form>)~"},
    {"FormInputButton", "FormInputButtonClick", Kind::Snippet, R"~(<input type="text" style="">)~"},
    {"FormCheckBox", "FormCheckBoxClick", Kind::Snippet, R"~(<input type="checkbox" style="">)~"},
    {"FormRadio", "FormRadioClick", Kind::Snippet, R"~(<input type="radio" style="">)~"},
    {"FormEdit", "FormEditClick", Kind::Snippet, R"~(<input type="text" style="">)~"},
    {"FormMemo", "FormMemoClick", Kind::Snippet, R"~(<textarea name="" style=""></textarea>)~"},
    {"FormCombo", "FormComboClick", Kind::Snippet, R"~(<select name="menu" size=""><option selected>A</option><option>B</option></select>)~"},
    {"FormFile", "FormFileClick", Kind::Snippet, R"~(<input type="file" name="file" enctype="multipart/form-data">)~"},
    {"FormImage", "FormImageClick", Kind::Snippet, R"~(<input type="image" src="" border="" name="" style="">)~"},
    {"FormHidden", "FormHiddenClick", Kind::Snippet, R"~(<input type="hidden">)~"},
    {"ULButton", "ULButtonClick", Kind::Snippet, R"~(<ul></ul>)~"},
    {"ToolbarButton9735", "ToolbarButton9735Click", Kind::Snippet, R"~(<ol></ol>)~"},
    {"ToolbarButton9736", "ToolbarButton9736Click", Kind::Snippet, R"~(<li>)~"},
    {"ToolbarButton9734", "ToolbarButton9734Click", Kind::Snippet, R"~(<dd>)~"},
    {"ToolbarButton9732", "ToolbarButton9732Click", Kind::Snippet, R"~(<dt>)~"},
    {"ToolbarButton977", "ToolbarButton977Click", Kind::Snippet, R"~(<menu></menu>)~"},
    {"ToolbarButton9740", "ToolbarButton9740Click", Kind::Wrap, R"~(<strong>)~", R"~(</strong>)~"},
    {"ToolbarButton9739", "ToolbarButton9739Click", Kind::Wrap, R"~(<em>)~", R"~(</em>)~"},
    {"ToolbarButton9741", "ToolbarButton9741Click", Kind::Wrap, R"~(<u>)~", R"~(</u>)~"},
    {"ASPButton2", "ASPButton2Click", Kind::Snippet, R"~(<!--#include file=""-->)~"},
    {"ASPButton3", "ASPButton3Click", Kind::Snippet, R"~(<% %>)~"},
    {"ASPButton4", "ASPButton4Click", Kind::Snippet, R"~(<%= %>)~"},
    {"ASPButton5", "ASPButton5Click", Kind::Snippet, R"~(<% if %>)~"},
    {"ASPButton6", "ASPButton6Click", Kind::Snippet, R"~(<% else %>)~"},
    {"ASPButton7", "ASPButton7Click", Kind::Snippet, R"~(<% endif %>)~"},
    {"ToolbarButton9710", "ToolbarButton9710Click", Kind::Snippet, R"~(<cfif></cfif>)~"},
    {"ToolbarButton979", "ToolbarButton979Click", Kind::Snippet, R"~(<cfelse>)~"},
    {"ToolbarButton978", "ToolbarButton978Click", Kind::Snippet, R"~(<cfelseif>)~"},
    {"ToolbarButton975", "ToolbarButton975Click", Kind::Snippet, R"~(<cfset>)~"},
    {"ToolbarButton974", "ToolbarButton974Click", Kind::Snippet, R"~(<cfoutput></cfoutput>)~"},
    {"ToolbarButton9715", "ToolbarButton9715Click", Kind::Snippet, R"~(<!--#break -->)~"},
    {"ToolbarButton9716", "ToolbarButton9716Click", Kind::Snippet, R"~(<!--#echo var="" -->)~"},
    {"ToolbarButton9714", "ToolbarButton9714Click", Kind::Snippet, R"~(<!--#label="" -->)~"},
    {"ToolbarButton9712", "ToolbarButton9712Click", Kind::Snippet, R"~(<!--#goto="" -->)~"},
    {"ToolbarButton9724", "ToolbarButton9724Click", Kind::Snippet, R"~(<? ?>)~"},
    {"ToolbarButton9725", "ToolbarButton9725Click", Kind::Snippet, R"~(<?php ?>)~"},
    {"ToolbarButton9744", "ToolbarButton9744Click", Kind::Snippet, R"~(<%! %>)~"},
    {"ToolbarButton9746", "ToolbarButton9746Click", Kind::Snippet, R"~(<% %>)~"},
    {"ToolbarButton9745", "ToolbarButton9745Click", Kind::Snippet, R"~(<%= %>)~"},
    {"ToolbarButton9747", "ToolbarButton9747Click", Kind::Snippet, R"~(<jsp:include page="" flush="true"/>)~"},
    {"ToolbarButton9748", "ToolbarButton9748Click", Kind::Snippet, R"~(<%----%>)~"},
    {"ToolbarButton9750", "ToolbarButton9750Click", Kind::Snippet, R"~(<jsp:param name="" value=""/>)~"},
    {"ToolbarButton9749", "ToolbarButton9749Click", Kind::Snippet, R"~(<jsp:params></jsp:params>)~"},
    {"ToolbarButton9719", "ToolbarButton9719Click", Kind::Snippet, R"~(<audioscope align="" leftcolor="#" width="" height="" rightcolor="#" rightoffset="" border="" leftoffset="" maxlevel="yes|no" gain="">)~"},
    {"ToolbarButton9721", "ToolbarButton9721Click", Kind::Snippet, R"~(<basefont size="" face="" color="">)~"},
    {"ToolbarButton9723", "ToolbarButton9723Click", Kind::Snippet, R"~(<bq></bq>)~"},
    {"ToolbarButton9743", "ToolbarButton9743Click", Kind::Snippet, R"~(<limittext width="" size="" value="">)~"},
    {"ToolbarButton9722", "ToolbarButton9722Click", Kind::Snippet, R"~(<nobr>)~"},
    {"ToolbarButton9720", "ToolbarButton9720Click", Kind::Snippet, R"~(<nosmartquotes></nosmartquotes>)~"},
    {"ToolbarButton9718", "ToolbarButton9718Click", Kind::Snippet, R"~(<shadow></shadow>)~"},
    {"ToolbarButton9717", "ToolbarButton9717Click", Kind::Snippet, R"~(<sidebar align="" width=""></sidebar>)~"},
    {"H11", "H11Click", Kind::Wrap, "<h1>", "</h1>"},
    {"H21", "H21Click", Kind::Wrap, "<h2>", "</h2>"},
    {"H31", "H31Click", Kind::Wrap, "<h3>", "</h3>"},
    {"H41", "H41Click", Kind::Wrap, "<h4>", "</h4>"},
    {"H51", "H51Click", Kind::Wrap, "<h5>", "</h5>"},
    {"H61", "H61Click", Kind::Wrap, "<h6>", "</h6>"},
    {"Big1", "Big1Click", Kind::Wrap, "<big>", "</big>"},
    {"Small1", "Small1Click", Kind::Wrap, "<small>", "</small>"},
    // PHP: three whole lines above the caret's line.
    {"PhpVar", "ToolbarButton9726Click", Kind::Lines, "<?", R"~($var =  ".."; )~", "?>"},
    {"PhpArray", "ToolbarButton9729Click", Kind::Lines, "<?", R"~($var[x] = "..";)~", "?>"},
    {"PhpEcho", "ToolbarButton9727Click", Kind::Lines, "<?", R"~(echo "$var"; )~", "?>"},
    {"PhpIf", "ToolbarButton9728Click", Kind::Lines, "<?", "if ($a > $b)", R"~(     print "a > b" ?>)~"},
    {"PhpElse", "ToolbarButton9730Click", Kind::Lines, "<?", "} else {", "?>"},
    {"PhpElseIf", "ToolbarButton9731Click", Kind::Lines, "<?", "} elseif ($a==$b) {", "?>"},
    // Boxes: their value goes into the text.
    {"FontBoxArial", "fontboxChange", Kind::Wrap, R"~(<font face="Arial">)~", "</font>", "", "Arial"},
    {"FontBoxNameWithBlanks", "fontboxChange", Kind::Wrap, R"~(<font face="Times New Roman">)~", "</font>", "", "Times New Roman"},
    {"ColourBoxRed", "dxBarColorCombo1Change", Kind::Wrap, R"~(<font color="Red">)~", "</font>", "", "Red"},
    {"TagBoxInitialText", "CFTagButtonClick", Kind::Snippet, "ColdFusion Tags...", "", "", "ColdFusion Tags..."},
    {"TagBoxChosenEntry", "CFTagButtonClick", Kind::Snippet, "<cfabort>", "", "", "<cfabort>"},
    {"TagBoxTypedText", "CFTagButtonClick", Kind::Snippet, "<cfx_mine a=\"&\">", "", "", "<cfx_mine a=\"&\">"},
};

const std::vector<std::string> kDocument = {"one", "two", "three"};

class MarkupCatalogOutput : public ::testing::TestWithParam<OutputCase> {
 protected:
  void SetUp() override {
    command_ = findCommand(GetParam().handler);
    ASSERT_NE(command_, nullptr) << GetParam().handler << " is not in the catalog";
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
      EXPECT_EQ(buffer_.Lines(), (std::vector<std::string>{"one", "t" + c.a + "wo", "three"}));
      EXPECT_EQ(buffer_.caret(), (TextPosition{1, 1}));
      break;
    case Kind::Wrap:
      // Nothing selected: the pair goes in and the caret ends after it.
      EXPECT_EQ(buffer_.Lines(), (std::vector<std::string>{"one", "t" + c.a + c.b + "wo", "three"}));
      EXPECT_EQ(buffer_.caret(), (TextPosition{1, 1 + len(c.a) + len(c.b)}));
      break;
    case Kind::Lines:
      // Three whole lines in front of the caret's line, which moves down with the caret.
      EXPECT_EQ(buffer_.Lines(), (std::vector<std::string>{"one", c.a, c.b, c.c, "two", "three"}));
      EXPECT_EQ(buffer_.caret(), (TextPosition{4, 1}));
      break;
  }
  EXPECT_FALSE(buffer_.hasSelection());
  EXPECT_TRUE(buffer_.Modified());
}

TEST_P(MarkupCatalogOutput, TreatsASelectionAsItsPrimitiveSays) {
  const OutputCase& c = GetParam();
  buffer_.select({1, 1}, {1, 3});  // t[wo]
  run();
  switch (c.kind) {
    case Kind::Snippet:
      // The selected text stays; the snippet goes in at the caret, the
      // selection's end here.
      EXPECT_EQ(buffer_.Lines(), (std::vector<std::string>{"one", "two" + c.a, "three"}));
      EXPECT_EQ(buffer_.caret(), (TextPosition{1, 3}));
      break;
    case Kind::Wrap:
      EXPECT_EQ(buffer_.Lines(), (std::vector<std::string>{"one", "t" + c.a + "wo" + c.b, "three"}));
      EXPECT_EQ(buffer_.caret(), (TextPosition{1, 1 + len(c.a) + 2 + len(c.b)}));
      EXPECT_FALSE(buffer_.hasSelection());
      break;
    case Kind::Lines:
      EXPECT_EQ(buffer_.Lines(), (std::vector<std::string>{"one", c.a, c.b, c.c, "two", "three"}));
      EXPECT_EQ(buffer_.caret().line, 4);
      break;
  }
}

TEST_P(MarkupCatalogOutput, IsUndoneInOneStep) {
  buffer_.setCaret({1, 1});
  run();
  buffer_.Undo();
  EXPECT_EQ(buffer_.Lines(), kDocument);
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, MarkupCatalogOutput, ::testing::ValuesIn(kOutputCases),
                         [](const auto& info) { return info.param.name; });

// The commands that insert without asking: exactly those listed above.
TEST(MarkupCatalog, ListsExactlyTheOneClickCommandsCheckedHere) {
  std::set<std::string> expected, actual;
  for (const OutputCase& c : kOutputCases) expected.insert(c.handler);
  for (const Command& c : catalog()) {
    if (c.primitive != Primitive::Dialog && c.primitive != Primitive::None) actual.insert(std::string(c.handler));
  }
  EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace markloom::markup
