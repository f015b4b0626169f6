#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/common/error.h"

#include "core/analysis/document_analysis.h"
#include "core/analysis/element_rules.h"
#include "core/analysis/tag_checker.h"
#include "core/analysis/tag_tokenizer.h"
#include "core/text/line_list.h"

namespace markloom {
namespace {

struct Row {
  std::string subject, message, type;
  friend bool operator==(const Row&, const Row&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Row& r) {
    return os << "{" << r.subject << " | " << r.message << " | " << r.type << "}";
  }
};

std::vector<Row> plain(const std::vector<ValidationRow>& rows) {
  std::vector<Row> out;
  for (const auto& r : rows) out.push_back({r.subject, r.message, r.type});
  return out;
}

std::vector<ValidationRow> checkTokens(const std::vector<std::string>& lines) {
  std::vector<ValidationRow> rows;
  checkTags(tokenizeLines(lines), rows);
  return rows;
}

Row err(const std::string& attr, const std::string& element) {
  return {attr, "UNKNOWN PROPERTY: " + attr + " IN <" + element + ">", "Error"};
}
Row old(const std::string& element) { return {element, "SUPERCEEDED/DISCONTINUED: <" + element + ">", "Deprecated"}; }

struct RuleCase {
  const char* name;
  std::vector<std::string> lines;
  std::vector<Row> rows;
};

class Rules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(Rules, CheckOfTokensGivesTheExpectedRows) { EXPECT_EQ(plain(checkTokens(GetParam().lines)), GetParam().rows); }

// The document analysis checks straight from the scanner; it must give the
// same rows (line numbers included), plus the no-errors row when there are none.
TEST_P(Rules, DocumentAnalysisGivesTheSameRows) {
  auto expected = checkTokens(GetParam().lines);
  if (expected.empty()) expected.push_back(noErrorsRow());
  EXPECT_EQ(analyzeText(formatLineList(GetParam().lines)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Rules,
    ::testing::Values(
        RuleCase{"FontWithItsOwnAttributesIsOnlySuperseded", {"<font color=red size=2 face=Arial>"}, {old("FONT")}},
        RuleCase{"FontWithAlignGivesTheErrorBeforeTheSupersededRow",
                 {"<FONT COLOR=red ALIGN=left>"},
                 {err("ALIGN", "FONT"), old("FONT")}},
        RuleCase{"CenterHasNoRuleSoOnlyItsSupersededRow", {"<center bogus=1 align=x>"}, {old("CENTER")}},
        RuleCase{"DirOnParagraphIsNotPermitted", {"<p dir=rtl>"}, {err("DIR", "P")}},
        RuleCase{"BgcolorOnCellIsNotPermitted", {"<td bgcolor=red>"}, {err("BGCOLOR", "TD")}},
        RuleCase{"StartOnOrderedListIsPermitted", {"<ol start=3 type=a compact>"}, {}},
        RuleCase{"OnunloadOnBodyAndFramesetIsPermitted", {"<body onunload=f()><frameset onunload=g()>"}, {}},
        RuleCase{"EmptyAttributeNameIsReportedWithEmptySubject",
                 {"<img src = \"x\">"},
                 {err("", "IMG"), err("\"X\"", "IMG")}},
        RuleCase{"BodyDoesNotTakeTheCommonSet",
                 {"<body id=a title=b lang=c onclick=d onkeyup=e class=f style=g>"},
                 {err("ID", "BODY"), err("TITLE", "BODY"), err("LANG", "BODY"), err("ONCLICK", "BODY"),
                  err("ONKEYUP", "BODY")}},
        RuleCase{"BasefontTakesIdButNoOtherCommonName",
                 {"<basefont id=a class=b size=3>"},
                 {err("CLASS", "BASEFONT"), old("BASEFONT")}},
        RuleCase{"ClosingTagsAndTextGiveNothing", {"</font> </center> text FONT <!-- x -->"}, {}},
        RuleCase{"AllAttributesPassing",
                 {"<html><head><title>t</title></head>",
                  "<body bgcolor=white><p align=center class=x>Hi <a href=\"a.html\" target=_top>a</a></p>",
                  "<table border=1><tr><td colspan=2 valign=top>x</td></tr></table></body></html>"},
                 {}},
        RuleCase{"EachOccurrenceIsReported",
                 {"<u>a</u><u>b</u>", "<p x=1 x=2>"},
                 {old("U"), old("U"), err("X", "P"), err("X", "P")}},
        RuleCase{"AnyLetterCaseIsCheckedAlike", {"<Img Src=a.gif Bogus=1>"}, {err("BOGUS", "IMG")}},
        RuleCase{"ElementsWithoutARuleAreNotChecked", {"<ul bogus=1><select x=y><html z=1><blink q=1>"}, {}},
        RuleCase{"ValuesAreNotLookedAt", {"<p align=\"bogus value\">"}, {}},
        RuleCase{"SupersededWithARuleChecksAttributesToo",
                 {"<applet code=a.class bogus=1><isindex prompt=x action=y><dir compact x=1><menu compact>"},
                 {err("BOGUS", "APPLET"), old("APPLET"), err("ACTION", "ISINDEX"), old("ISINDEX"), err("X", "DIR"),
                  old("DIR"), old("MENU")}},
        RuleCase{"StrikeAndSAreCommonSetRules",
                 {"<s id=a href=b><strike class=c>"},
                 {err("HREF", "S"), old("S"), old("STRIKE")}},
        RuleCase{"DirPermittedOnlyOnBdi", {"<bdi dir=ltr><span dir=ltr>"}, {err("DIR", "SPAN")}},
        RuleCase{"SplitTagGlueIsNotAKnownElement", {"<font", "color=red>"}, {}},
        RuleCase{"AttributeNameIsTheTextBeforeTheFirstEquals", {"<a href=x=y onfocus>"}, {}},
        RuleCase{"OptionDoesNotTakeName", {"<option value=1 name=n>"}, {err("NAME", "OPTION")}},
        RuleCase{"ScriptMetaBaseStyleHaveNoCommonSet",
                 {"<script id=a><meta id=b><base id=c><style id=d title=e>"},
                 {err("ID", "SCRIPT"), err("ID", "META"), err("ID", "BASE"), err("ID", "STYLE")}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RulesRows, CarryTheLineOfTheTag) {
  const auto rows = checkTokens({"<p>", "text", "<font", " bogus=1>"});
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].line, 2);
  EXPECT_EQ(rows[1].line, 2);
}

TEST(RulesRows, EmptyNameGivesTwoBlanksAfterTheColon) {
  const auto rows = checkTokens({"<p = >"});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].message, "UNKNOWN PROPERTY:  IN <P>");
}

TEST(DocumentAnalysis, EmptyDocumentGivesTheSingleNoErrorsRow) {
  const auto rows = analyzeText("");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].subject, "");
  EXPECT_EQ(rows[0].message, "No errors found in this document.");
  EXPECT_EQ(rows[0].type, "");
  EXPECT_FALSE(hasFindings(rows));
  EXPECT_TRUE(hasFindings(analyzeText("<u>")));
}

TEST(DocumentAnalysis, MissingFileRaisesCannotOpen) {
  try {
    analyzeFile("/nonexistent/markloom/page.html");
    FAIL() << "no error raised";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Cannot open file /nonexistent/markloom/page.html");
  }
}

TEST(RuleTable, HasTheEightyThreeRulesInUpperCase) {
  const auto& rules = elementRules();
  EXPECT_EQ(rules.size(), 83u);
  std::set<std::string_view> elements;
  int commonOnly = 0;
  for (const auto& rule : rules) {
    elements.insert(rule.element);
    if (rule.own.empty()) {
      EXPECT_TRUE(rule.common) << rule.element;
      ++commonOnly;
    }
    for (char c : rule.element) EXPECT_FALSE(c >= 'a' && c <= 'z') << rule.element;
    for (auto name : rule.own)
      for (char c : name) EXPECT_FALSE(c >= 'a' && c <= 'z') << name;
  }
  EXPECT_EQ(elements.size(), 83u) << "one rule per element";
  // The streaming checker turns away names longer than 10 or not starting
  // with a letter before looking them up.
  for (auto name : elements) {
    EXPECT_LE(name.size(), 10u) << name;
    EXPECT_TRUE(name[0] >= 'A' && name[0] <= 'Z') << name;
  }
  for (auto name : supersededElements()) {
    EXPECT_LE(name.size(), 10u) << name;
    EXPECT_TRUE(name[0] >= 'A' && name[0] <= 'Z') << name;
  }
  EXPECT_EQ(commonOnly, 25);
}

TEST(RuleTable, CommonSetHasFourteenNamesAndNoDir) {
  const auto& common = commonAttributes();
  const std::set<std::string_view> names(common.begin(), common.end());
  EXPECT_EQ(names.size(), 14u);
  EXPECT_EQ(names.count("DIR"), 0u);
  EXPECT_EQ(supersededElements().size(), 10u);
}

TEST(RuleTable, EveryCommonSetRulePermitsEveryCommonName) {
  for (const auto& rule : elementRules()) {
    const ElementInfo* info = ElementTable::instance().find(rule.element);
    ASSERT_NE(info, nullptr);
    for (auto name : rule.own) EXPECT_TRUE(info->permits(name)) << rule.element << " " << name;
    for (auto name : commonAttributes()) {
      const bool own = std::find(rule.own.begin(), rule.own.end(), name) != rule.own.end();
      EXPECT_EQ(info->permits(name), rule.common || own) << rule.element << " " << name;
    }
    EXPECT_FALSE(info->permits("BOGUS"));
  }
}

}  // namespace
}  // namespace markloom
