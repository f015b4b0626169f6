// The HTML5 rule set: what a browser-era page may carry without a row, what is
// reported as unknown or obsolete, and the choice between the two sets by the
// page's DOCTYPE or by the user.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/analysis/document_analysis.h"
#include "core/analysis/document_checker.h"
#include "core/analysis/html5_rules.h"
#include "core/analysis/html5_tag_checker.h"
#include "core/analysis/rule_set.h"
#include "core/analysis/tag_scanner.h"
#include "name_rows.h"

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

Row err(const std::string& attr, const std::string& element) {
  return {attr, "UNKNOWN PROPERTY: " + attr + " IN <" + element + ">", "Error"};
}
// Under the HTML5 rules obsolete features are errors like any other.
Row obsolete(const std::string& attr, const std::string& element) {
  return {attr, "UNKNOWN PROPERTY: " + attr + " IN <" + element + ">", "Error"};
}
Row old(const std::string& element) { return {element, "SUPERCEEDED/DISCONTINUED: <" + element + ">", "Error"}; }
Row html4Old(const std::string& element) {
  return {element, "SUPERCEEDED/DISCONTINUED: <" + element + ">", "Deprecated"};
}
Row unknownTag(const std::string& element) { return {element, "UNKNOWN TAG: " + element, "Error"}; }
const Row kNoErrors{"", "No errors found in this document.", ""};
const Row kNoHtml5Errors{"", "No errors found by the HTML5 rules.", ""};

// The rows of text checked with the given choice, the text fed one byte at a
// time, so a fault at a piece edge shows.
std::vector<ValidationRow> checkByteByByte(std::string_view text, RuleChoice choice, RuleSet* used = nullptr) {
  std::vector<ValidationRow> rows;
  DocumentChecker checker(rows, choice);
  ScanLimits limits;
  limits.keepText = false;
  limits.textPieces = true;
  TagScanner scanner(checker, TagLines::Marked, limits);
  for (char c : text) scanner.feed(std::string_view(&c, 1));
  scanner.finish();
  checker.finish();
  if (rows.empty()) rows.push_back(noErrorsRow(checker.ruleSet() == RuleSet::Html5));
  if (used) *used = checker.ruleSet();
  return rows;
}

struct Html5Case {
  const char* name;
  std::string text;
  std::vector<Row> rows;  // empty: the no-errors row
};
std::ostream& operator<<(std::ostream& os, const Html5Case& c) { return os << c.name; }

class Html5Rows : public ::testing::TestWithParam<Html5Case> {};

// The name rows of fragments; the other HTML5 checks have tests of their own.
TEST_P(Html5Rows, GiveTheExpectedRowsWholeAndFedByteByByte) {
  const Html5Case& c = GetParam();
  const std::vector<ValidationRow> whole = analyzeText(c.text, RuleChoice::Html5);
  EXPECT_EQ(plain(nameRows(whole)), c.rows);
  EXPECT_EQ(checkByteByByte(c.text, RuleChoice::Html5), whole);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Html5Rows,
    ::testing::Values(
        // What today's pages carry everywhere.
        Html5Case{"SelfClosingSlashOnVoidElements",
                  "<link rel=\"stylesheet\" href=\"a.css\" />\n<meta charset=\"utf-8\"/>\n<br/><hr />"
                  "<img src=\"x.png\" alt=\"\"/><input disabled/><wbr/><source srcset=a.webp />",
                  {}},
        Html5Case{"SlashOnAnElementWithContentIsReported",
                  "<div class=\"x\"/><p /><my-widget />",
                  {err("/", "DIV"), err("/", "P"), err("/", "MY-WIDGET")}},
        Html5Case{"UnquotedValueKeepsItsSlash", "<a href=/docs/>docs</a><div class=x/>", {}},
        Html5Case{"StraySlashInsideATagIsIgnored", "<img / src=x alt=y>", {}},
        Html5Case{"RoleAndAriaAttributes",
                  "<nav role=\"navigation\" aria-label=\"Main\"><div aria-hidden=\"true\" aria-describedby=x>",
                  {}},
        Html5Case{
            "DataAttributes", "<script data-url_root=\"./\" id=\"documentation_options\" src=\"a.js\"></script>", {}},
        Html5Case{"BareDataOrAriaPrefixIsNoName", "<div data- aria->", {err("DATA-", "DIV"), err("ARIA-", "DIV")}},
        Html5Case{"MetaCharset", "<meta charset=\"utf-8\"><meta name=viewport content=\"width=device-width\">", {}},
        Html5Case{"ModuleScript", "<script type=\"module\" src=\"m.js\" async crossorigin></script>", {}},
        Html5Case{"EmailInput",
                  "<input type=\"email\" required placeholder=\"you@example.com\" name=mail autocomplete=email>",
                  {}},
        Html5Case{"GlobalAttributes",
                  "<section id=a class=b style=c title=d lang=en dir=rtl hidden tabindex=0 accesskey=k "
                  "contenteditable draggable=true spellcheck=false translate=no autofocus inert popover "
                  "enterkeyhint=go inputmode=numeric is=x-y itemscope itemtype=t itemprop=p itemid=i itemref=r "
                  "nonce=n slot=s part=p>",
                  {}},
        Html5Case{"EventHandlers", "<button onclick=\"go()\" onpointerdown=f ONKEYUP=g>", {}},
        Html5Case{"OnWithoutAnEventNameIsReported", "<p on=1 on-click=2>", {err("ON", "P"), err("ON-CLICK", "P")}},
        Html5Case{"MisspeltAttributeIsReported", "<img scr=x.png alt=\"\">", {err("SCR", "IMG")}},
        Html5Case{
            "AttributeOfAnotherElementIsReported", "<p href=x><a colspan=2>", {err("HREF", "P"), err("COLSPAN", "A")}},
        Html5Case{"AnyLetterCase", "<IMG SRC=x Alt=y><Div Align=center>", {obsolete("ALIGN", "DIV")}},
        // Elements.
        Html5Case{"CustomElementTakesAnyAttribute", "<my-widget foo=1 bar><x-y-z data-q>", {}},
        Html5Case{"UnknownElement", "<blink>x</blink>", {unknownTag("BLINK")}},
        Html5Case{"PrefixedElementIsUnknown", "<o:p></o:p>", {unknownTag("O:P")}},
        Html5Case{"ObsoleteElementIsSupersededWithoutAttributeRows",
                  "<center align=x bogus><font color=red size=2>",
                  {old("CENTER"), old("FONT")}},
        Html5Case{
            "ObsoleteAttribute", "<td align=left valign=top>", {obsolete("ALIGN", "TD"), obsolete("VALIGN", "TD")}},
        Html5Case{"ObsoleteAndUnknownInTagOrder",
                  "<table border=1 summary=s frobs=3>",
                  {obsolete("BORDER", "TABLE"), obsolete("SUMMARY", "TABLE"), err("FROBS", "TABLE")}},
        Html5Case{"ObsoleteNameOnAnchor", "<a name=top>", {obsolete("NAME", "A")}},
        Html5Case{"ElementsHtml4DidNotHave",
                  "<main><article><header><figure><figcaption><picture><video controls playsinline poster=p>"
                  "<track kind=captions srclang=en default><details open name=g><summary><dialog open>"
                  "<template shadowrootmode=open><slot name=s><search><data value=1><time datetime=2026>"
                  "<meter min=0 max=1 value=0.5><progress max=3><output for=a><canvas width=1><mark><bdi>",
                  {}},
        Html5Case{"ClosingTagsAreNotReported", "</blink></center></my-widget>", {}},
        // How tags are read.
        Html5Case{"BothQuotesAndBlanksAroundEquals", "<a href='a b.html' title = \"x y\" rel= next>", {}},
        Html5Case{"TabsAndLineEndsSeparate", "<a\thref=x\r\nclass=y>\n<img\nsrc=a\nalt=b>", {}},
        Html5Case{"AttributesGluedAfterAQuotedValue", "<a href=\"x\"title=\"y\"bogus>", {err("BOGUS", "A")}},
        Html5Case{"DeclarationsCommentsAndCodeAreNotElements",
                  "<?xml version=\"1.0\"?><!DOCTYPE html><!-- x --><% if a %><?php echo 1 ?>",
                  {}},
        Html5Case{"LessThanInTextStartsNoElement", "I <3 it; a < b; 2<3", {}},
        // Content that is not markup.
        Html5Case{
            "ScriptContentIsNotChecked", "<script>if (a<b && c>d) x('<blink>');</script><p foo>", {err("FOO", "P")}},
        Html5Case{"ScriptEndGluedToAnOpenComparison", "<script>if (a<b) {}</script><p foo>", {err("FOO", "P")}},
        Html5Case{
            "StyleAndTitleContentIsNotChecked", "<title>a<b>c</title><style>p>a{}</style><p foo>", {err("FOO", "P")}},
        Html5Case{"SelfClosedScriptStillHasContent", "<script src=x /><blink></script>", {err("/", "SCRIPT")}},
        Html5Case{"CommentsAreNotChecked", "<!-- a > <blink> --><!-- <font> --><p foo>", {err("FOO", "P")}},
        Html5Case{"ConditionalCommentIsAComment",
                  "<!--[if lt IE 9]><script src=x></script><![endif]--><blink>",
                  {unknownTag("BLINK")}},
        Html5Case{"SvgAndMathInsidesAreNotChecked",
                  "<svg viewBox=\"0 0 1 1\" xmlns=\"http://www.w3.org/2000/svg\"><path d=\"M0 0\"/><svg><g/></svg>"
                  "<title>t</title></svg><math><mi>x</mi></math><p foo>",
                  {err("FOO", "P")}},
        Html5Case{"SelfClosedSvgHasNoInside", "<svg/><p foo>", {err("FOO", "P")}}),
    [](const auto& row) { return std::string(row.param.name); });

// The same page with each DOCTYPE: the set it selects and the rows it gives.
struct ChoiceCase {
  const char* name;
  std::string head;
  RuleSet set;
};
std::ostream& operator<<(std::ostream& os, const ChoiceCase& c) { return os << c.name; }

const char* const kBody =
    "\n<html lang=en>\n<meta charset=utf-8>\n<link rel=stylesheet href=a.css />\n<p dir=rtl><center>x</center>\n";
const std::vector<Row> kHtml5BodyRows{{"TITLE", "MISSING ELEMENT: <TITLE> IN <HEAD>", "Error"}, old("CENTER")};
const std::vector<Row> kHtml4BodyRows{err("CHARSET", "META"), err("/", "LINK"), err("DIR", "P"), html4Old("CENTER")};

class DoctypeChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(DoctypeChoice, SelectsTheSetAndItsRows) {
  const ChoiceCase& c = GetParam();
  const std::string page = c.head + kBody;
  RuleSet used = c.set == RuleSet::Html5 ? RuleSet::Html4 : RuleSet::Html5;
  const auto rows = analyzeText(page, RuleChoice::ByDoctype, &used);
  EXPECT_EQ(used, c.set);
  EXPECT_EQ(plain(rows), c.set == RuleSet::Html5 ? kHtml5BodyRows : kHtml4BodyRows);
  RuleSet piecewise = RuleSet::Html4;
  EXPECT_EQ(checkByteByByte(page, RuleChoice::ByDoctype, &piecewise), rows);
  EXPECT_EQ(piecewise, c.set);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DoctypeChoice,
    ::testing::Values(
        ChoiceCase{"Html5Doctype", "<!DOCTYPE html>", RuleSet::Html5},
        ChoiceCase{"Html5DoctypeInAnyCase", "<!doctype HTML>", RuleSet::Html5},
        ChoiceCase{"Html5DoctypeWithBlanksAndLineEnds", "<!DOCTYPE\n  html >", RuleSet::Html5},
        ChoiceCase{"LegacyCompatDoctype", "<!DOCTYPE html SYSTEM \"about:legacy-compat\">", RuleSet::Html5},
        ChoiceCase{"CommentAndXmlDeclarationBeforeTheDoctype",
                   "<?xml version=\"1.0\"?>\n<!-- generated -->\n<!DOCTYPE html>", RuleSet::Html5},
        ChoiceCase{"Html4Doctype", "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">", RuleSet::Html4},
        ChoiceCase{"XhtmlDoctype",
                   "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
                   "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">",
                   RuleSet::Html4},
        ChoiceCase{"NoDoctype", "", RuleSet::Html4},
        ChoiceCase{"Html5DoctypeAfterAnElementDoesNotCount", "<p>\n<!DOCTYPE html>", RuleSet::Html4}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RuleChoiceForced, OverridesTheDoctype) {
  RuleSet used = RuleSet::Html4;
  EXPECT_EQ(plain(analyzeText(std::string("<!DOCTYPE html>") + kBody, RuleChoice::Html4, &used)), kHtml4BodyRows);
  EXPECT_EQ(used, RuleSet::Html4);
  EXPECT_EQ(plain(analyzeText(kBody, RuleChoice::Html5, &used)), kHtml5BodyRows);
  EXPECT_EQ(used, RuleSet::Html5);
}

TEST(RuleChoiceForced, EmptyDocumentUsesTheForcedOrTheHtml4Set) {
  RuleSet used = RuleSet::Html5;
  EXPECT_EQ(plain(analyzeText("", RuleChoice::ByDoctype, &used)), std::vector<Row>{kNoErrors});
  EXPECT_EQ(used, RuleSet::Html4);
  EXPECT_EQ(plain(analyzeText("", RuleChoice::Html5, &used)), std::vector<Row>{kNoHtml5Errors});
  EXPECT_EQ(used, RuleSet::Html5);
}

// A tag spanning lines reads, for the HTML 4 set, as the lines glued together,
// exactly as before line ends were marked for the HTML5 set.
TEST(RuleChoiceForced, Html4SetReadsSplitTagsGlued) {
  EXPECT_EQ(plain(analyzeText("<p\nalign=x dir=y>\r\n<td\r\n bgcolor=red>", RuleChoice::Html4)),
            (std::vector<Row>{err("BGCOLOR", "TD")}));
}

struct NamesCase {
  const char* text;
  std::optional<RuleChoice> choice;
};

TEST(RuleSetNames, CaptionsKeysAndCommandLineNames) {
  EXPECT_EQ(ruleSetCaption(RuleSet::Html5), "HTML5 rules");
  EXPECT_EQ(ruleSetCaption(RuleSet::Html4), "HTML 4 rules");
  EXPECT_EQ(ruleSetKey(RuleSet::Html5), "html5");
  EXPECT_EQ(ruleSetKey(RuleSet::Html4), "classic");
  const NamesCase cases[] = {
      {"auto", RuleChoice::ByDoctype}, {"html5", RuleChoice::Html5}, {"classic", RuleChoice::Html4},
      {"HTML5", std::nullopt},         {"", std::nullopt},           {"html4", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(parseRuleChoice(c.text), c.choice) << c.text;
}

struct PatternCase {
  const char* name;
  bool permitted;
};

TEST(Html5Patterns, DataAriaAndEventHandlerNames) {
  const PatternCase cases[] = {{"DATA-X", true},  {"DATA-URL_ROOT", true}, {"ARIA-LABEL", true},
                               {"ONCLICK", true}, {"ONSCROLLEND", true},   {"DATA-", false},
                               {"ARIA-", false},  {"ON", false},           {"ON-X", false},
                               {"DATA", false},   {"ONCLICK2", false},     {"XDATA-A", false}};
  for (const auto& c : cases) EXPECT_EQ(isPatternAttribute(c.name), c.permitted) << c.name;
}

bool isUpperName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name)
    if (c >= 'a' && c <= 'z') return false;
  return true;
}

TEST(Html5Table, NamesAreUpperCaseAndEachElementHasOneEntry) {
  std::set<std::string_view> elements;
  for (const auto& rule : html5Rules()) {
    EXPECT_TRUE(isUpperName(rule.element)) << rule.element;
    EXPECT_TRUE(elements.insert(rule.element).second) << "twice: " << rule.element;
    for (auto name : rule.own) EXPECT_TRUE(isUpperName(name)) << rule.element << " " << name;
    for (auto name : rule.obsolete) EXPECT_TRUE(isUpperName(name)) << rule.element << " " << name;
  }
  for (auto name : html5SupersededElements()) {
    EXPECT_TRUE(isUpperName(name)) << name;
    EXPECT_TRUE(elements.insert(name).second) << "both current and obsolete: " << name;
  }
  for (auto name : html5GlobalAttributes()) EXPECT_TRUE(isUpperName(name)) << name;
}

// A name listed as both permitted and obsolete on one element, or repeating a
// global name, is a slip in the table: one of the lists is wrong.
TEST(Html5Table, NoNameIsBothPermittedAndObsoleteOrRepeatsAGlobal) {
  const std::set<std::string_view> global(html5GlobalAttributes().begin(), html5GlobalAttributes().end());
  for (const auto& rule : html5Rules()) {
    std::set<std::string_view> own;
    for (auto name : rule.own) {
      EXPECT_TRUE(own.insert(name).second) << rule.element << " lists " << name << " twice";
      EXPECT_FALSE(global.count(name)) << rule.element << " repeats the global " << name;
    }
    for (auto name : rule.obsolete) {
      EXPECT_FALSE(own.count(name)) << rule.element << " " << name;
      EXPECT_FALSE(global.count(name)) << rule.element << " " << name;
    }
  }
}

TEST(Html5Table, EveryElementPermitsTheGlobalNamesAndPatterns) {
  const Html5Table& table = Html5Table::instance();
  for (const auto& rule : html5Rules()) {
    const Html5Element* element = table.find(rule.element);
    ASSERT_NE(element, nullptr) << rule.element;
    EXPECT_NE(element->shape, nullptr) << rule.element << " has no content model";
    for (auto name : html5GlobalAttributes())
      EXPECT_EQ(element->attribute(name), AttributeStatus::Permitted) << rule.element << " " << name;
    for (auto name : rule.own) EXPECT_EQ(element->attribute(name), AttributeStatus::Permitted) << rule.element;
    for (auto name : rule.obsolete) EXPECT_EQ(element->attribute(name), AttributeStatus::Obsolete) << rule.element;
    EXPECT_EQ(element->attribute("DATA-X"), AttributeStatus::Permitted);
    EXPECT_EQ(element->attribute("ARIA-LABEL"), AttributeStatus::Permitted);
    EXPECT_EQ(element->attribute("ONCLICK"), AttributeStatus::Permitted);
    EXPECT_EQ(element->attribute("NO-SUCH-NAME"),
              rule.anyAttribute ? AttributeStatus::Permitted : AttributeStatus::Unknown)
        << rule.element;
  }
}

// Each element of today's HTML is in the table; a few the tables must not know.
TEST(Html5Table, KnowsTodaysElementsAndNotTheInventedOnes) {
  const Html5Table& table = Html5Table::instance();
  for (const char* name :
       {"HTML", "HEAD", "BODY", "SEARCH", "HGROUP", "MENU", "S", "U", "SELECTEDCONTENT", "DIALOG", "SLOT", "WBR"}) {
    const Html5Element* element = table.find(name);
    ASSERT_NE(element, nullptr) << name;
    EXPECT_FALSE(element->superseded) << name;
  }
  for (const char* name : {"BLINK", "MULTICOL", "SPACER", "LAYER", "ILAYER"}) EXPECT_EQ(table.find(name), nullptr);
  for (const char* name : {"CENTER", "FONT", "TT", "BIG", "ACRONYM", "FRAMESET", "MARQUEE", "APPLET", "STRIKE"}) {
    const Html5Element* element = table.find(name);
    ASSERT_NE(element, nullptr) << name;
    EXPECT_TRUE(element->superseded) << name;
  }
}

}  // namespace
}  // namespace markloom
