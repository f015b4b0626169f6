#include "core/highlighting/syntax_scheme.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

const char* kClassNames[] = {"text", "comment", "string", "number", "keyword", "identifier", "delim"};

// Runs of equal style as Block.class[text], trimmed; blank runs left out.
std::string render(const SchemeStyler& styler, const std::string& text) {
  const auto styles = styler.styleText(text);
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t j = i;
    while (j < text.size() && styles[j] == styles[i]) ++j;
    std::string piece = text.substr(i, j - i);
    const auto first = piece.find_first_not_of(" \r\n");
    if (first != std::string::npos) {
      piece = piece.substr(first, piece.find_last_not_of(" \r\n") - first + 1);
      for (int b = 0; b < static_cast<int>(styler.scheme().blocks.size()); ++b)
        for (int c = 0; c < kTokenClassCount; ++c)
          if (styleNumber(b, static_cast<TokenClass>(c)) == styles[i])
            out += styler.scheme().blocks[b].name + "." + kClassNames[c] + "[" + piece + "] ";
    }
    i = j;
  }
  return out;
}

struct StyleCase {
  std::string name, text, expected;
};
std::ostream& operator<<(std::ostream& os, const StyleCase& c) { return os << c.name; }

class DefaultSchemeStyling : public ::testing::TestWithParam<StyleCase> {
 protected:
  static const SchemeStyler& styler() {
    static const SchemeStyler s(defaultScheme());
    return s;
  }
};

TEST_P(DefaultSchemeStyling, Colours) { EXPECT_EQ(render(styler(), GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, DefaultSchemeStyling,
    ::testing::Values(
        StyleCase{"HtmlTagWithStringAndNumber", "<font color=\"red\" size=#3>",
                  "HTML.delim[<] HTML.text[font color=] HTML.string[\"red\"] HTML.text[size=] HTML.number[#3] "
                  "HTML.delim[>] "},
        StyleCase{"ClosingTagIsIdentifier", "a</b>",
                  "Default.text[a] HTML.delim[<] HTML.identifier[/b] HTML.delim[>] "},
        StyleCase{"CommentSpansLines", "x<!-- one\r\ntwo -->y",
                  "Default.text[x] Default.comment[<!-- one\r\ntwo -->] Default.text[y] "},
        StyleCase{"AspKeywordsAnyCaseAndRemComment", "<% DIM x ' note %>",
                  "ASP.delim[<%] ASP.keyword[DIM] ASP.text[x] ASP.comment[' note] ASP.delim[%>] "},
        StyleCase{"RemOnlyAsWord", "<%remark rem x%>",
                  "ASP.delim[<%] ASP.text[remark] ASP.comment[rem x] ASP.delim[%>] "},
        StyleCase{"PhpIsCaseSensitive", "<? if IF 0x1F ?>",
                  "PHP.delim[<?] PHP.keyword[if] PHP.text[IF] PHP.number[0x1F] PHP.delim[?>] "},
        StyleCase{"XmlDeclarationIsMarkupNotPhp", "<?xml version=\"1.0\"?>\n<wml>",
                  "HTML.delim[<?xml] HTML.text[version=] HTML.string[\"1.0\"] HTML.delim[?>] HTML.delim[<] "
                  "HTML.text[wml] HTML.delim[>] "},
        StyleCase{"PhpOpeningStaysPhp", "<?php if ?>", "PHP.delim[<?] PHP.text[php] PHP.keyword[if] PHP.delim[?>] "},
        StyleCase{"PhpScriptTag", "<script language=\"php\">$a=`b`;</script>",
                  "PHP.delim[<script language=\"php\">] PHP.text[$a=] PHP.string[`b`] PHP.text[;] "
                  "PHP.delim[</script>] "},
        StyleCase{"JavaScriptBlockAcrossLines", "<SCRIPT language=\"JavaScript\">\nvar s = 'x'; // c\n</script>",
                  "JS.delim[<SCRIPT language=\"JavaScript\">] JS.keyword[var] JS.text[s =] JS.string['x'] "
                  "JS.text[;] JS.comment[// c] JS.delim[</script>] "},
        StyleCase{"ScriptWithoutLanguageIsJavaScript", "<script>var s = \"x\"; // c\n</script>",
                  "JS.delim[<script>] JS.keyword[var] JS.text[s =] JS.string[\"x\"] JS.text[;] JS.comment[// c] "
                  "JS.delim[</script>] "},
        StyleCase{"EscapedQuoteStaysInString", "<script>s = 'it\\'s';</script>",
                  "JS.delim[<script>] JS.text[s =] JS.string['it\\'s'] JS.text[;] JS.delim[</script>] "},
        StyleCase{"ScriptModuleTypeIsJavaScript", "<script type=\"module\">import x</script>",
                  "JS.delim[<script type=\"module\">] JS.keyword[import] JS.text[x] JS.delim[</script>] "},
        StyleCase{"ScriptWithAttributesAnyCase", "<SCRIPT src=\"a.js\" defer>new</SCRIPT>",
                  "JS.delim[<SCRIPT src=\"a.js\" defer>] JS.keyword[new] JS.delim[</SCRIPT>] "},
        StyleCase{"ScriptsElementIsNotScript", "<scripts>var",
                  "HTML.delim[<] HTML.text[scripts] HTML.delim[>] Default.text[var] "},
        StyleCase{"PhpScriptTagWinsOverPlainScript", "<script language=\"php\">if</script>",
                  "PHP.delim[<script language=\"php\">] PHP.keyword[if] PHP.delim[</script>] "},
        StyleCase{"StyleWithMediaIsCss", "<style media=\"print\">p { color: red }</style>",
                  "CSS.delim[<style media=\"print\">] CSS.text[p] Style.delim[{] Style.keyword[color] "
                  "Style.text[: red] Style.delim[}] CSS.delim[</style>] "},
        StyleCase{"StyleRulesInsideCss", "<style>p { color: #fff; /* c */ }</style>",
                  "CSS.delim[<style>] CSS.text[p] Style.delim[{] Style.keyword[color] Style.text[:] "
                  "Style.number[#fff] Style.text[;] Style.comment[/* c */] Style.delim[}] CSS.delim[</style>] "},
        StyleCase{"CssEndLeavesUnclosedRule", "<style>p { color</style>x",
                  "CSS.delim[<style>] CSS.text[p] Style.delim[{] Style.keyword[color] CSS.delim[</style>] "
                  "Default.text[x] "}),
    [](const auto& row) { return row.param.name; });

TEST(SchemeStyler, LineByLineEqualsWhole) {
  const SchemeStyler styler(defaultScheme());
  const std::string text =
      "<html><!-- a\r\nb --><% x = \"s\"\r\n%><style>\r\nh1 {\r\n color: red }</style>\r\n<?php /* c\r\n */ ?>";
  const auto whole = styler.styleText(text);
  std::vector<unsigned char> pieces;
  int state = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\n') {
      const std::size_t end = i == text.size() ? i : i + 1;
      state = styler.styleLine(std::string_view(text).substr(start, end - start), state, pieces);
      start = end;
    }
  }
  EXPECT_EQ(pieces, whole);
}

TEST(SchemeStyler, StyleNumbersAvoidTheReservedRange) {
  const auto scheme = defaultScheme();
  for (int b = 0; b < static_cast<int>(scheme.blocks.size()); ++b)
    for (int c = 0; c < kTokenClassCount; ++c) {
      const int n = styleNumber(b, static_cast<TokenClass>(c));
      EXPECT_TRUE(n < 32 || (n > 39 && n < 128)) << n;
    }
}

}  // namespace
}  // namespace markloom
