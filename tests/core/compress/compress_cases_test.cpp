// Named cases for the compressor, each run through the fast compressor and the
// literal procedure: both must give the expected bytes.
#include <gtest/gtest.h>

#include <string>

#include "core/compress/compress_oracle.h"
#include "core/compress/html_compress.h"

namespace markloom {
namespace {

CompressOptions only(std::initializer_list<bool CompressOptions::*> flags) {
  CompressOptions o = CompressOptions::none();
  for (auto f : flags) o.*f = true;
  return o;
}

using O = CompressOptions;
const O kNone = O::none();
const O kDialog = O::dialogMarks();
const O kAllReturns = only({&O::allLineBreaks});
const O kReturns = only({&O::extraLineBreaks});
const O kSpaces = only({&O::spaces});
const O kQuotes = only({&O::quotesInTags});
const O kCenter = only({&O::center});

struct Case {
  const char* name;
  std::string input;
  CompressOptions options;
  std::string expected;
};

std::ostream& operator<<(std::ostream& os, const Case& c) { return os << c.name; }

class CompressCase : public ::testing::TestWithParam<Case> {};

TEST_P(CompressCase, FastAndLiteralGiveExpectedBytes) {
  const Case& c = GetParam();
  EXPECT_EQ(compressHtml(c.input, c.options), c.expected) << "fast compressor";
  EXPECT_EQ(oracle::compress(c.input, c.options), c.expected) << "literal procedure";
}

const Case kCases[] = {
    // Nothing chosen, nothing changes.
    {"AllOptionsOff", "<P ALIGN=\"center\">  a\r\n\r\n<STRONG>b</STRONG> </p>\r\n<!--webbot x-->", kNone,
     "<P ALIGN=\"center\">  a\r\n\r\n<STRONG>b</STRONG> </p>\r\n<!--webbot x-->"},
    {"EmptyInput", "", kDialog, ""},
    {"EmptyInputEverything", "", O{}, ""},

    // Doubled line breaks.
    {"CrLfTextHasNoDoubledPairs", "<p>a</p>\r\n\r\n<p>b</p>\r\n", kReturns, "<p>a</p>\r\n\r\n<p>b</p>\r\n"},
    {"RunOfCrCollapsesFully", "a\r\r\rb\n\n\n\nc", kReturns, "a\rb\nc"},
    {"DoubledBreaksCollapseInsideScript", "<script>a\r\r\nb</script>", kReturns, "<script>a\r\nb</script>"},
    {"DoubledBreaksStayInsidePre", "<pre>a\n\n</pre>\n\n", kReturns, "<pre>a\n\n</pre>\n"},
    {"CrInsideTagIsNotCollapsed", "<a\r\rb>\r\r", kReturns, "<a\r\rb>\r"},
    {"LfInsideTagIsCollapsed", "<a\n\nb>", kReturns, "<a\nb>"},

    // All returns.
    {"BreaksNextToTagsGo", "<p>\r\na</p>\r\n<p>", kAllReturns, "<p>a</p><p>"},
    {"BreakBetweenWordsBecomesLf", "one\r\ntwo", kAllReturns, "one\ntwo"},
    {"BreakAfterBlankGoes", "one \ntwo\n three", kAllReturns, "one two three"},
    {"BreakAtStartDecidedByNextByte", "\n<p>\nx", kAllReturns, "<p>x"},
    {"LoneBreakStays", "\n", kAllReturns, "\n"},
    {"BreakAtEndDecidedByPreviousByte", "<b>\r\n", kAllReturns, "<b>"},
    {"BreaksInsidePreTextareaScriptStay",
     "<pre>a\r\nb</pre>\r\n<TEXTAREA>c\r\n</TEXTAREA>\r\n<script>\r\nd\r\n</SCRIPT>\r\n<p>", kAllReturns,
     "<pre>a\r\nb</pre><TEXTAREA>c\r\n</TEXTAREA><script>\r\nd\r\n</SCRIPT><p>"},
    {"CrLfInsideTagKeepsCrLosesLf", "<a\r\n href=x>", kAllReturns, "<a\r href=x>"},
    {"CrLfInsideTagBeforeWordStays", "<a\r\nhref=x>", kAllReturns, "<a\r\nhref=x>"},
    {"UnclosedPreEndsEveryProtectedPass", "<p>\r\n<pre>a  b\r\n<p>  c\r\n", only({&O::allLineBreaks, &O::spaces}),
     "<p><pre>a  b\r\n<p>  c\r\n"},
    {"UnclosedScriptEndsDeletePass", "<b>\r\n<script>x\r\n", kAllReturns, "<b><script>x\r\n"},

    // Web bots.
    {"WebbotsNeedALineBreakOption", "<!--webbot bot=\"x\" -->a\r\n", only({&O::webBots, &O::spaces}),
     "<!--webbot bot=\"x\" -->a\r\n"},
    {"WebbotGoesWithReturns", "<p>a</p>\r\n<!--WEBBOT bot=\"x\" -->\r\n<p>b</p>\r\n",
     only({&O::extraLineBreaks, &O::webBots}), "<p>a</p>\r\n\r\n<p>b</p>\r\n"},
    {"WebbotGoesWithAllReturns", "a\r\n<!--webbot bot=\"x\" -->\r\n<p>", only({&O::allLineBreaks, &O::webBots}),
     "a<p>"},
    {"WebbotKeptWithoutWebbotsOption", "a\r\n<!--webbot x-->\r\n<p>", kAllReturns, "a<!--webbot x--><p>"},
    {"AfterWebbotScanSkipsItsLength", "<!--webbot x-->0123456789abcdef>\r\r<b>\r\r",
     only({&O::extraLineBreaks, &O::webBots}), "0123456789abcdef>\r<b>\r"},
    {"WebbotSkipPastEndEndsPass", "<!--webbot x-->\r\r\r\r", only({&O::extraLineBreaks, &O::webBots}), "\r\r\r\r"},
    {"UnclosedWebbotIsKept", "a\r\r<!--webbot x\r\r", only({&O::extraLineBreaks, &O::webBots}), "a\r<!--webbot x\r\r"},

    // Spaces.
    {"BlankRunsCollapse", "<p  class=x   >a     b</p>", kSpaces, "<p class=x>a b</p>"},
    {"BlanksInsideValuesCollapse", "<img alt=\"a   b\" >", kSpaces, "<img alt=\"a b\">"},
    {"BlanksBeforeTableListParagraphTagsGo", "<tr> <td> x</td> </tr> <li> <P> <b> </L>", kSpaces,
     "<tr><td> x</td></tr><li><p> <b></l>"},
    {"BlanksInsidePreTextareaScriptStay", "<pre>a  b</pre>  <textarea>c  d</textarea> <script>e  f </script> <p>",
     kSpaces, "<pre>a  b</pre><textarea>c  d</textarea> <script>e  f </script><p>"},

    // Short tags and block quotes.
    {"CapitalStrongBecomesLowerB", "<STRONG>x</STRONG> <Em>y</eM> <strike>z</STRIKE>", only({&O::shortTags}),
     "<b>x</b> <i>y</i> <s>z</s>"},
    {"ShortTagsNotInsideScript", "<script>'<strong>'</script><strong>", only({&O::shortTags}),
     "<script>'<strong>'</script><b>"},
    {"ShortTagsInsidePre", "<pre><em>x</em></pre>", only({&O::shortTags}), "<pre><i>x</i></pre>"},
    {"BlockquoteToList", "<BLOCKQUOTE>a</blockquote>", only({&O::blockquoteToList}), "<ul>a</ul>"},

    // Quotes in tags.
    {"QuotesInTagsGo", "say \"hi\" <b class=\"c\" id=\"d\">", kQuotes, "say \"hi\" <b class=c id=d>"},
    {"SingleQuoteTagKeepsItsQuotes", "<a href=\"x\" onclick=\"f('a')\"><b class=\"c\">", kQuotes,
     "<a href=\"x\" onclick=\"f('a')\"><b class=c>"},
    {"ValueWithBlankKeepsItsQuotes", "<input type=\"text\" value=\"a b\" name=\"n\">", kQuotes,
     "<input type=text value=\"a b\" name=n>"},
    {"ValueWithoutBlankLosesQuotes", "<input VALUE=\"ab\">", kQuotes, "<input VALUE=ab>"},
    {"AltWithBlankKeepsItsQuotes", "<IMG SRC=\"a.gif\" ALT=\"A picture\">", kQuotes,
     "<IMG SRC=a.gif ALT=\"A picture\">"},
    {"AltWithoutBlankLosesQuotes", "<img alt=\"x\">", kQuotes, "<img alt=x>"},
    {"OnlyQuoteRuleJustAfterKeptValue", "<i value=\"a b\"alt=\"cd\">", kQuotes, "<i value=\"a b\"alt=cd>"},
    // Any attribute keeps the quotes its value needs: empty, white space, '=',
    // '>' or '`' inside. A value running over a '<' is an unbalanced quote.
    {"ClassWithBlankKeepsItsQuotes", "<p class=\"a b\" id=\"x\">", kQuotes, "<p class=\"a b\" id=x>"},
    {"EmptyValueKeepsItsQuotes", "<img alt=\"\" src=\"x.gif\">", kQuotes, "<img alt=\"\" src=x.gif>"},
    {"TitleWithBlankKeepsItsQuotes", "<a title=\"two words\">", kQuotes, "<a title=\"two words\">"},
    {"ValuesThatNeedQuotes", "<a b=\"x\ty\" c=\"p=q\" d=\"1>0\" e=\"`\" f=\"l\r\nm\" g=\"h\fi\" j=\"k\">", kQuotes,
     "<a b=\"x\ty\" c=\"p=q\" d=\"1>0\" e=\"`\" f=\"l\r\nm\" g=\"h\fi\" j=k>"},
    {"UnbalancedQuoteRunningIntoNextTagIsDeleted", "<a title=\"x y><b class=\"c\">", kQuotes,
     "<a title=x y><b class=c>"},
    {"LoneQuoteOfOtherAttributeIsDeleted", "<b class=\"x>", kQuotes, "<b class=x>"},
    {"DeletedQuoteAfterKeptValueLetsNextValueCount", "<i value=\"a b\"\"alt=\"c d\">", kQuotes,
     "<i value=\"a b\"alt=\"c d\">"},
    {"CommentsKeepQuotesTagsInsideDoNot", "<!DOCTYPE x \"y\"><!-- \"z\" <a href=\"q\"> -->", kQuotes,
     "<!DOCTYPE x \"y\"><!-- \"z\" <a href=q> -->"},
    {"ScriptKeepsItsQuotes", "<script src=\"a\">x=\"1\"</script><b class=\"c\">", kQuotes,
     "<script src=\"a\">x=\"1\"</script><b class=c>"},
    {"UnclosedScriptEndsQuotePass", "<b class=\"x\"><script>\"a\"<b class=\"y\">", kQuotes,
     "<b class=x><script>\"a\"<b class=\"y\">"},
    {"UnclosedValueEndsQuotePass", "<b class=\"x\" value=\"abc><i class=y>", kQuotes,
     "<b class=x value=\"abc><i class=y>"},

    // Centred paragraphs.
    {"BothCentredForms", "<p align=center>a</p><P ALIGN=\"CENTER\">b</P>", kCenter,
     "<center>a</center><center>b</center>"},
    {"CentreClosesAtNextParagraphEnd", "<p align=center>a<p>b</p>c</p>", kCenter, "<center>a<p>b</center>c</p>"},
    {"CentreWithoutEndStaysOpen", "</p><p align=center>x", kCenter, "</p><center>x"},
    {"QuotedCentreAfterQuotePass", "<p align=\"center\">a</p>", only({&O::center, &O::quotesInTags}),
     "<center>a</center>"},

    // Server-side blocks are left alone by every pass.
    {"PhpStringKeepsQuotesAndBlanks", "<?php echo \"a  b\"; ?>\r\n<p>", kDialog, "<?php echo \"a  b\"; ?><p>"},
    {"AspStringKeepsQuotes", "<% Response.Write(\"x  y\") %> <p class=\"a\">", kDialog,
     "<% Response.Write(\"x  y\") %><p class=a>"},
    {"BlockInsideAttributeValue", "<a href=\"<?php echo $url; ?>\" class=\"c\">x</a>", kDialog,
     "<a href=\"<?php echo $url; ?>\" class=\"c\">x</a>"},
    {"BlockInsideAttributeWithGreaterThan", "<a href=\"<?php if ($a > 1 && $b < 2) echo \"x y\"; ?>\">", kQuotes,
     "<a href=\"<?php if ($a > 1 && $b < 2) echo \"x y\"; ?>\">"},
    {"XmlDeclarationKeepsQuotes", "<?xml version=\"1.0\"?>\r\n<a href=\"x\">", kDialog,
     "<?xml version=\"1.0\"?><a href=x>"},
    {"LineBreaksInsideBlockStay", "<?php\r\n$a = 1;\r\n\r\n?>\r\n<p>", kAllReturns, "<?php\r\n$a = 1;\r\n\r\n?><p>"},
    {"DoubledBreaksInsideBlockStay", "<%\n\n%>\n\n", kReturns, "<%\n\n%>\n"},
    {"UnclosedBlockEndsPasses", "<p>\r\n<?php \"x\"\r\n<p class=\"a\">", kDialog, "<p><?php \"x\"\r\n<p class=\"a\">"},
    {"OpenerIsNotItsOwnCloser", "<?>\r\n<p>", kAllReturns, "<?>\r\n<p>"},
    {"CentrePassSkipsBlocks", "<p align=center>a<?php '</p>' ?>b</p>", kCenter, "<center>a<?php '</p>' ?>b</center>"},
    {"ShortTagsSkipBlocks", "<?php echo '<strong>'; ?><strong>", only({&O::shortTags}), "<?php echo '<strong>'; ?><b>"},
    {"BlockAfterKeptValueStopsTagExamination", "<i value=\"a > b\" title=\"<?php echo \"x\"; ?>\">", kQuotes,
     "<i value=\"a > b\" title=<?php echo \"x\"; ?>\">"},

    // Everything the dialog chooses at once.
    {"DialogMarksOnSmallPage",
     "<html>\r\n<body>\r\n  <p align=\"center\">Hello   world</p>\r\n  <table>\r\n    <tr> <td class=\"x\">1</td> "
     "</tr>\r\n  </table>\r\n<pre>\r\n  keep  this\r\n</pre>\r\n</body>\r\n</html>\r\n",
     kDialog,
     "<html><body><center>Hello world</center><table><tr><td class=x>1</td></tr></table><pre>\r\n  keep  "
     "this\r\n</pre></body></html>"},
};

INSTANTIATE_TEST_SUITE_P(Table, CompressCase, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace markloom
