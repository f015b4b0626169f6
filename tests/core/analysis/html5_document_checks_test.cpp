// The HTML5 checks that read more than names, one family at a time, each with
// small valid pages (no row) and invalid ones (exactly the rows given): content
// models, attribute values, ids and references, ARIA, custom elements, XHTML.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/analysis/document_analysis.h"

namespace markloom {
namespace {

struct Case {
  const char* name;
  std::string body;                   // after a DOCTYPE, html lang and title
  std::vector<std::string> messages;  // empty: the no-errors row
  const char* type = "Error";         // of every row
};
std::ostream& operator<<(std::ostream& os, const Case& c) { return os << c.name; }

const std::string kHead = "<!DOCTYPE html>\n<html lang=en><head><title>t</title></head>\n";

class Html5Checks : public ::testing::TestWithParam<Case> {};

TEST_P(Html5Checks, GiveExactlyTheRowsOfTheStandard) {
  const Case& c = GetParam();
  const auto rows = analyzeText(kHead + c.body);
  std::vector<std::string> messages;
  for (const auto& row : rows) {
    if (row.type.empty()) continue;
    messages.push_back(row.message);
    EXPECT_EQ(row.type, c.type) << row.message;
  }
  EXPECT_EQ(messages, c.messages);
  if (c.messages.empty()) {
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].message, "No errors found by the HTML5 rules.");
  }
}

INSTANTIATE_TEST_SUITE_P(
    ContentModels, Html5Checks,
    ::testing::Values(
        Case{"ListsTablesAndOptionalEndTags",
             "<ul><li>a<li>b</ul><dl><dt>t<dd>d</dd><div><dt>u<dd>e</div></dl><table><caption>c<colgroup><col>"
             "<thead><tr><th>h<tbody><tr><td>d<td>e<tfoot><tr><td>f</table><select><option>a<optgroup label=g>"
             "<option>b</select><p>one<div>two</div><p>three<ul><li>four</ul>",
             {}},
        Case{"TableRowsWithoutTbodyAndDetails",
             "<table><tr><td>a</td></tr></table><details><summary>s</summary><p>x</details>"
             "<picture><source srcset=a.webp><img src=a.png alt=a></picture><figure><img src=b.png>"
             "<figcaption>b</figcaption></figure>",
             {}},
        Case{"WrongChildOfAList", "<ul><div>x</div></ul>", {"ELEMENT NOT ALLOWED: <DIV> IN <UL>"}},
        Case{"TextInAList", "<ul>x<li>a</ul>", {"TEXT NOT ALLOWED IN <UL>"}},
        Case{"ListItemOutsideAList", "<li>x</li>", {"ELEMENT NOT ALLOWED: <LI> IN <BODY>"}},
        Case{"BlockInPhrasing", "<span><div>x</div></span>", {"ELEMENT NOT ALLOWED: <DIV> IN <SPAN>"}},
        Case{"CellDirectlyInTable", "<table><td>x</table>", {"ELEMENT NOT ALLOWED: <TD> IN <TABLE>"}},
        Case{"CaptionAfterRows",
             "<table><tr><td>a</td></tr><caption>c</caption></table>",
             {"ELEMENT OUT OF ORDER: <CAPTION> IN <TABLE>"}},
        Case{"DdWithoutDt", "<dl><dd>x</dl>", {"MISSING ELEMENT: <DT> IN <DL>"}},
        Case{"DtWithoutDd", "<dl><dt>x</dl>", {"MISSING ELEMENT: <DD> IN <DL>"}},
        Case{"DetailsWithoutSummary", "<details><p>x</p></details>", {"MISSING ELEMENT: <SUMMARY> IN <DETAILS>"}},
        Case{"ParagraphInSelect", "<select><p>x</p></select>", {"ELEMENT NOT ALLOWED: <P> IN <SELECT>"}},
        Case{
            "InteractiveInsideALink", "<a href=x><button>b</button></a>", {"ELEMENT NOT ALLOWED: <BUTTON> INSIDE <A>"}},
        Case{"LinkInsideALink", "<a href=x><a href=y>z</a></a>", {"ELEMENT NOT ALLOWED: <A> INSIDE <A>"}},
        Case{"FormInsideAForm", "<form><div><form></form></div></form>", {"ELEMENT NOT ALLOWED: <FORM> INSIDE <FORM>"}},
        Case{
            "TwoVisibleMains", "<main>a</main><main hidden>b</main><main>c</main>", {"ELEMENT MORE THAN ONCE: <MAIN>"}},
        Case{
            "MainInsideArticle", "<article><main>a</main></article>", {"ELEMENT NOT ALLOWED: <MAIN> INSIDE <ARTICLE>"}},
        Case{"BlockClosesTheParagraph",
             "<p><span><div>x</div></span></p>",
             {"UNCLOSED ELEMENT: <SPAN>", "STRAY END TAG: </SPAN>", "STRAY END TAG: </P>"}},
        Case{"UnclosedAndStray",
             "<div><span>x</div></section>",
             {"UNCLOSED ELEMENT: <SPAN>", "STRAY END TAG: </SECTION>"}},
        Case{"MetadataAfterTheHead",
             "<link rel=stylesheet href=a.css><body><p>x",
             {"ELEMENT NOT ALLOWED: <LINK> AFTER </HEAD>"}}),
    [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(
    AttributeValues, Html5Checks,
    ::testing::Values(
        Case{"ConformingValues",
             "<img src=a.png alt=\"\" width=50 height=\"20\" loading=lazy decoding=async srcset=\"a.png 1x, b.png 2x\">"
             "<img src=a.png alt=a srcset=\"a.png 100w, b.png 200w\" sizes=\"50vw\"><form method=post action=/s>"
             "<input type=number min=0 max=9 step=any required><input type=checkbox checked=checked></form>"
             "<time datetime=2026-02-28>x</time><time datetime=\"2026-02-28T10:30Z\">y</time><time datetime=PT2H>z"
             "</time><time datetime=\"2h 30m\">w</time><del datetime=\"2026-01-01T10:00+01:00\">d</del>"
             "<p lang=en-GB dir=auto hidden=until-found>p</p><ol type=A start=-2 reversed><li value=3>a</ol>"
             "<a href=\" page.html \" target=_blank hreflang=fr type=text/html>a</a><td colspan=2>",
             {"ELEMENT NOT ALLOWED: <TD> IN <BODY>"}},
        Case{"CurrentAndRdfaAttributes",
             "<section headingoffset=1 vocab=\"https://schema.org/\" typeof=Person><span property=name>N</span>"
             "</section><template shadowrootmode=open shadowrootdelegatesfocus><slot></slot></template>"
             "<video src=v.mp4 loading=lazy controls></video><img src=a.png alt=a loading=eager fetchpriority=high>",
             {}},
        Case{"WidthInPercent",
             "<img src=a.png alt=\"\" width=50%>",
             {"BAD VALUE: WIDTH=\"50%\" IN <IMG> (a whole number)"}},
        Case{"InputType", "<input type=nmber>", {"BAD VALUE: TYPE=\"nmber\" IN <INPUT> (an input type)"}},
        Case{"FormMethod", "<form method=put></form>", {"BAD VALUE: METHOD=\"put\" IN <FORM> (get, post or dialog)"}},
        Case{"BlankInUrl", "<a href=\"a b.html\">x</a>", {"BAD VALUE: HREF=\"a b.html\" IN <A> (a URL)"}},
        Case{"NoSuchDay",
             "<time datetime=2026-02-30>x</time>",
             {"BAD VALUE: DATETIME=\"2026-02-30\" IN <TIME> (a date, time, duration or the like)"}},
        Case{"EditWithoutTimeZone",
             "<del datetime=\"2026-01-01T10:00\">x</del>",
             {"BAD VALUE: DATETIME=\"2026-01-01T10:00\" IN <DEL> (a date, or a date and time with a time zone)"}},
        Case{"LanguageTag", "<p lang=en_US>x</p>", {"BAD VALUE: LANG=\"en_US\" IN <P> (a language tag)"}},
        Case{"MimeType", "<a href=x type=\"text html\">x</a>", {"BAD VALUE: TYPE=\"text html\" IN <A> (a MIME type)"}},
        Case{"WidthsAndDensitiesMixed",
             "<img src=a.png alt=\"\" srcset=\"a.png 1x, b.png 100w\">",
             {"BAD VALUE: SRCSET=\"a.png 1x, b.png 100w\" IN <IMG> (image candidates)"}},
        Case{"WidthsWithoutSizes",
             "<img src=a.png alt=\"\" srcset=\"a.png 100w\">",
             {"MISSING PROPERTY: SIZES IN <IMG>"}},
        Case{"BooleanWithAWord",
             "<input disabled=no>",
             {"BAD VALUE: DISABLED=\"no\" IN <INPUT> (empty or the attribute's name)"}},
        Case{"ZeroColspan",
             "<table><tr><td colspan=0>x</table>",
             {"BAD VALUE: COLSPAN=\"0\" IN <TD> (a whole number from 1 to 1000)"}},
        Case{"ListTypeLetterCase", "<ol type=x><li>a</ol>", {"BAD VALUE: TYPE=\"x\" IN <OL> (1, a, A, i or I)"}},
        Case{"AttributeOfAnotherInputType",
             "<input type=checkbox maxlength=3>",
             {"PROPERTY NOT ALLOWED: MAXLENGTH IN <INPUT TYPE=checkbox>"}},
        Case{"CharsetOtherThanUtf8",
             "<p>x</p><meta charset=latin1>",
             {"BAD VALUE: CHARSET=\"latin1\" IN <META> (utf-8)", "ELEMENT NOT ALLOWED: <META> IN <BODY>"}},
        Case{"MicrodataWithoutScope",
             "<p itemtype=https://schema.org/Thing>x</p>",
             {"PROPERTY NOT ALLOWED: ITEMTYPE IN <P WITHOUT ITEMSCOPE>"}},
        Case{"AutofillTokens",
             "<form autocomplete=off><input autocomplete=\"shipping postal-code\">"
             "<input autocomplete=mail></form>",
             {"BAD VALUE: AUTOCOMPLETE=\"mail\" IN <INPUT> (on, off or autofill field names)"}},
        Case{"RepeatedAttribute", "<p class=a class=b>x</p>", {"DUPLICATE PROPERTY: CLASS IN <P>"}},
        Case{"LinkTypes",
             "<p><a href=x rel=\"nofollow noopener\">a</a><a href=y rel=stylesheet>b</a></p>"
             "<link rel=prefetch href=n.html>",
             {"BAD VALUE: REL=\"stylesheet\" IN <A> (a link type of this element)"}}),
    [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(
    IdsAndRequiredAttributes, Html5Checks,
    ::testing::Values(
        Case{"ReferencesBeforeAndAfterTheirIds",
             "<label for=n>N</label><input id=n list=l aria-describedby=\"h n\"><datalist id=l></datalist>"
             "<p id=h>h</p><figure><img src=a.png><figcaption>c</figcaption></figure>",
             {}},
        Case{"DuplicateId", "<p id=a>x</p><p id=a>y</p>", {"DUPLICATE ID: \"a\""}},
        Case{"LabelForAMissingId", "<label for=x>X</label>", {"NO SUCH ID: \"x\" (FOR IN <LABEL>)"}},
        Case{"OneOfSeveralIdsMissing",
             "<p id=a aria-labelledby=\"a b\">x</p>",
             {"NO SUCH ID: \"b\" (ARIA-LABELLEDBY IN <P>)"}},
        Case{"IdWithABlank",
             "<p id=\"a b\">x</p>",
             {"BAD VALUE: ID=\"a b\" IN <P> (at least one character and no white space)"}},
        Case{"ImageWithoutAlt", "<img src=a.png>", {"MISSING PROPERTY: ALT IN <IMG>"}},
        Case{"ImageWithoutSrc", "<img alt=a>", {"MISSING PROPERTY: SRC IN <IMG>"}},
        Case{
            "OptgroupWithoutLabel", "<select><optgroup><option>a</select>", {"MISSING PROPERTY: LABEL IN <OPTGROUP>"}}),
    [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Aria, Html5Checks,
    ::testing::Values(
        Case{"RolesAndProperties",
             "<div role=checkbox aria-checked=mixed tabindex=0>c</div><ul role=tablist><li role=tab "
             "aria-selected=true>t</ul><a href=x role=button>b</a><div aria-live=polite aria-hidden=true>l</div>",
             {}},
        Case{"UnknownRole", "<div role=buton>x</div>", {"BAD VALUE: ROLE=\"buton\" IN <DIV> (ARIA roles)"}},
        Case{"AbstractRole", "<div role=widget>x</div>", {"BAD VALUE: ROLE=\"widget\" IN <DIV> (ARIA roles)"}},
        Case{"RoleMissesARequiredState", "<div role=checkbox>x</div>", {"MISSING PROPERTY: ARIA-CHECKED IN <DIV>"}},
        Case{"RoleTheElementMayNotTake",
             "<h1 role=button>x</h1>",
             {"BAD VALUE: ROLE=\"button\" IN <H1> (a role this element may take)"}},
        Case{"MisspeltProperty", "<div aria-hiden=true>x</div>", {"UNKNOWN PROPERTY: ARIA-HIDEN IN <DIV>"}},
        Case{"PropertyValue",
             "<div aria-hidden=yes>x</div>",
             {"BAD VALUE: ARIA-HIDDEN=\"yes\" IN <DIV> (true, false or undefined)"}}),
    [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(Warnings, Html5Checks,
                         ::testing::Values(Case{"RoleTheElementHasAlready",
                                                "<nav role=navigation>x</nav>",
                                                {"UNNECESSARY ROLE: navigation IN <NAV>"},
                                                "Warning"},
                                           Case{"LinkTypeHtmlDoesNotDefine",
                                                "<p><a href=x rel=friendz>a</a></p>",
                                                {"BAD VALUE: REL=\"friendz\" IN <A> (not a link type HTML defines)"},
                                                "Warning"},
                                           Case{"ScriptTypeForJavaScript",
                                                "<p>x</p><script type=text/javascript src=a.js></script>",
                                                {"UNNECESSARY TYPE: text/javascript IN <SCRIPT>"},
                                                "Warning"}),
                         [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(
    CustomElementsAndObsolete, Html5Checks,
    ::testing::Values(Case{"CustomElements", "<my-widget foo=1><x-y.z_1>a</x-y.z_1></my-widget>", {}},
                      Case{"ReservedName", "<font-face>x</font-face>", {"UNKNOWN TAG: FONT-FACE"}},
                      Case{"ObsoleteEmptyElementsStayEmpty",
                           "<div><basefont><isindex></div>",
                           {"SUPERCEEDED/DISCONTINUED: <BASEFONT>", "SUPERCEEDED/DISCONTINUED: <ISINDEX>"}},
                      Case{"ObsoleteElementsAreErrors",
                           "<center>x</center><tt>y</tt>",
                           {"SUPERCEEDED/DISCONTINUED: <CENTER>", "SUPERCEEDED/DISCONTINUED: <TT>"}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Html5Document, MissingOrRepeatedTitle) {
  auto messages = [](const std::string& page) {
    std::vector<std::string> out;
    for (const auto& row : analyzeText(page)) out.push_back(row.message);
    return out;
  };
  EXPECT_EQ(messages("<!DOCTYPE html><html lang=en><p>x"),
            std::vector<std::string>{"MISSING ELEMENT: <TITLE> IN <HEAD>"});
  EXPECT_EQ(messages("<!DOCTYPE html><html lang=en><title>a</title><title>b</title><p>x"),
            std::vector<std::string>{"ELEMENT MORE THAN ONCE: <TITLE>"});
  EXPECT_EQ(messages("<!DOCTYPE html><html><title>a</title><p>x"),
            std::vector<std::string>{"MISSING PROPERTY: LANG IN <HTML> (says the page's language)"});
  // html, head and body may all be left to the browser.
  EXPECT_EQ(messages("<!DOCTYPE html>\n<title>a</title>\n<p>x"),
            std::vector<std::string>{"No errors found by the HTML5 rules."});
  EXPECT_FALSE(hasFindings(analyzeText("<!DOCTYPE html>\n<title>a</title>\n<p>x")));
  EXPECT_TRUE(hasFindings(analyzeText("<!DOCTYPE html>\n<p>x")));
}

TEST(Html5Document, XhtmlElementsMayCloseThemselves) {
  const std::string xhtml =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">"
      "<head><title>t</title><script src=\"a.js\"/></head><body><div/><p/><span>x</span></body></html>";
  const auto rows = analyzeText(xhtml);
  ASSERT_EQ(rows.size(), 1u) << rows[0].message;
  EXPECT_EQ(rows[0].message, "No errors found by the HTML5 rules.");
  // The same markup served as HTML: the slash closes nothing.
  const auto html = analyzeText("<!DOCTYPE html><html lang=en><title>t</title><div/><p>x");
  ASSERT_FALSE(html.empty());
  EXPECT_EQ(html[0].message, "UNKNOWN PROPERTY: / IN <DIV>");
}

}  // namespace
}  // namespace markloom

namespace markloom {
namespace {

// What comes before the DOCTYPE (comments, an XML declaration, stray end tags
// or text) gives the same rows whether the DOCTYPE chose the HTML5 rules or the
// user did.
TEST(Html5Document, PreambleReadsAlikeWhoeverChoseTheRules) {
  const char* const pages[] = {
      "<!--<p><!DOCTYPE html><blink>",                                 // a comment left open hides the page
      "<?xml version=\"1.0\"?><!DOCTYPE html><title>t</title><div/>",  // XHTML: the slash closes
      "</dl>x<!DOCTYPE html><title>t</title><p>",                      // nothing before the DOCTYPE counts
  };
  for (const char* page : pages) {
    RuleSet used = RuleSet::Html4;
    const auto chosen = analyzeText(page, RuleChoice::ByDoctype, &used);
    EXPECT_EQ(used, RuleSet::Html5) << page;
    EXPECT_EQ(chosen, analyzeText(page, RuleChoice::Html5)) << page;
    ASSERT_EQ(chosen.size(), 1u) << page << ": " << chosen[0].message;
    EXPECT_EQ(chosen[0].message, "No errors found by the HTML5 rules.") << page;
  }
}

}  // namespace
}  // namespace markloom
