// Every delivered scheme file colours a sample of its language in the editor:
// a keyword, a comment and a string (and, for the mixed pages, tokens of the
// embedded languages) get the styles of their blocks.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/highlighting/scheme_file.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scheme_lexer.h"

namespace markloom {
namespace {

struct SchemeSample {
  std::string file, sample;
  // The first occurrence of each token, and the style it must have, as
  // "<block> <class>".
  std::vector<std::pair<std::string, std::string>> tokens;
};
std::ostream& operator<<(std::ostream& os, const SchemeSample& s) { return os << s.file; }

class DeliveredScheme : public ::testing::TestWithParam<SchemeSample> {};

TEST_P(DeliveredScheme, ColoursItsLanguage) {
  const SchemeSample& c = GetParam();
  const SyntaxScheme scheme = readSchemeFile(std::string(MARKLOOM_SOURCE_DIR) + "/data/Extensions/schemes/" + c.file);
  MarkloomEditor editor;
  SchemeLexer lexer(scheme);
  editor.setLexer(&lexer);
  editor.loadBytes(c.sample);
  editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
  for (const auto& [token, expected] : c.tokens) {
    const auto at = c.sample.find(token);
    ASSERT_NE(at, std::string::npos) << token;
    // Every byte of the token has the style.
    for (std::size_t i = at; i < at + token.size(); ++i) {
      const int style =
          static_cast<int>(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(i)));
      ASSERT_EQ(lexer.description(style).toStdString(), expected) << token << " at byte " << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DeliveredScheme,
    ::testing::Values(
        SchemeSample{"main-scheme.sch",
                     "<p>\r\n<script>\r\nvar s = \"txt\"; // note\r\n</script>",
                     {{"var", "JS Keyword"}, {"// note", "JS Comment"}, {"\"txt\"", "JS String"}}},
        SchemeSample{
            "aspinhtml.sch",
            "<p class=\"c\">\r\n<% Dim x ' note\r\nx = \"txt\" %>",
            {{"Dim", "ASP Keyword"}, {"' note", "ASP Comment"}, {"\"txt\"", "ASP String"}, {"class", "Tag Keyword"}}},
        SchemeSample{"assembler.sch",
                     "start: mov eax, 'a' ; note",
                     {{"mov", "Assembler Keyword"}, {"; note", "Assembler Comment"}, {"'a'", "Assembler String"}}},
        SchemeSample{"awk.sch",
                     "BEGIN { print \"txt\" } # note",
                     {{"BEGIN", "AWK Keyword"}, {"# note", "AWK Comment"}, {"\"txt\"", "AWK String"}}},
        SchemeSample{"c.sch",
                     "int main(void) { puts(\"a\\\"b\"); } /* note */",
                     {{"int", "C Keyword"}, {"/* note */", "C Comment"}, {"\"a\\\"b\"", "C String"}}},
        SchemeSample{"cppbuilder.sch",
                     "class TForm : public TBase { __property int X; }; // note\r\nauto s = \"txt\";",
                     {{"class", "C++ Keyword"},
                      {"__property", "C++ Keyword"},
                      {"// note", "C++ Comment"},
                      {"\"txt\"", "C++ String"}}},
        SchemeSample{"clipper.sch",
                     "LOCAL cName := \"txt\" // note",
                     {{"LOCAL", "Clipper Keyword"}, {"// note", "Clipper Comment"}, {"\"txt\"", "Clipper String"}}},
        SchemeSample{"css1.sch",
                     "p { color: red; /* note */ font-family: \"Arial\" }",
                     {{"color", "Rule Keyword"}, {"/* note */", "Rule Comment"}, {"\"Arial\"", "Rule String"}}},
        SchemeSample{"css2.sch",
                     "div { position: absolute; /* note */ content: \"txt\" }",
                     {{"position", "Rule Keyword"}, {"/* note */", "Rule Comment"}, {"\"txt\"", "Rule String"}}},
        SchemeSample{"fortran.sch",
                     "program demo ! note\r\n  print *, 'txt'\r\nend program",
                     {{"program", "Fortran Keyword"}, {"! note", "Fortran Comment"}, {"'txt'", "Fortran String"}}},
        SchemeSample{"foxpro.sch",
                     "LOCAL lcName && note\r\nlcName = \"txt\"",
                     {{"LOCAL", "FoxPro Keyword"}, {"&& note", "FoxPro Comment"}, {"\"txt\"", "FoxPro String"}}},
        SchemeSample{"html.sch",
                     "<p class=\"c\">t</p><!-- note -->\r\n<script>if (a) s = 'txt';</script>"
                     "<style>h1 { color: red }</style>",
                     {{"class", "Tag Keyword"},
                      {"<!-- note -->", "HTML Comment"},
                      {"\"c\"", "Tag String"},
                      {"if", "JS Keyword"},
                      {"'txt'", "JS String"},
                      {"color", "Rule Keyword"}}},
        SchemeSample{
            "jscript.sch",
            "const s = 'txt'; // note",
            {{"const", "JavaScript Keyword"}, {"// note", "JavaScript Comment"}, {"'txt'", "JavaScript String"}}},
        SchemeSample{"jsinhtml.sch",
                     "<script type=\"module\">\r\nimport x from \"txt\"; /* note */\r\n</script>",
                     {{"import", "JS Keyword"}, {"/* note */", "JS Comment"}, {"\"txt\"", "JS String"}}},
        SchemeSample{"javabuilder.sch",
                     "public class A { String s = \"txt\"; } // note",
                     {{"public", "Java Keyword"}, {"// note", "Java Comment"}, {"\"txt\"", "Java String"}}},
        SchemeSample{"oberon.sch",
                     "MODULE M; (* note *) CONST s = \"txt\"; END M.",
                     {{"MODULE", "Oberon Keyword"}, {"(* note *)", "Oberon Comment"}, {"\"txt\"", "Oberon String"}}},
        SchemeSample{"objectpascal.sch",
                     "procedure P; { note } begin s := 'txt'; end;",
                     {{"procedure", "Object Pascal Keyword"},
                      {"{ note }", "Object Pascal Comment"},
                      {"'txt'", "Object Pascal String"}}},
        SchemeSample{"perl.sch",
                     "my $x = \"txt\"; # note",
                     {{"my", "Perl Keyword"}, {"# note", "Perl Comment"}, {"\"txt\"", "Perl String"}}},
        SchemeSample{"phpinhtml.sch",
                     "<b>\r\n<?php foreach ($a as $b) { echo \"txt\"; } // note ?>",
                     {{"foreach", "PHP Keyword"}, {"// note", "PHP Comment"}, {"\"txt\"", "PHP String"}}},
        SchemeSample{"python.sch",
                     "def f():  # note\r\n    return 'txt'\r\n\"\"\"doc\r\nstring\"\"\"",
                     {{"def", "Python Keyword"},
                      {"# note", "Python Comment"},
                      {"'txt'", "Python String"},
                      {"string", "LongString Text"}}},
        SchemeSample{"sql_oracle.sch",
                     "SELECT name FROM t WHERE a = 'txt'; -- note",
                     {{"SELECT", "SQL Keyword"}, {"-- note", "SQL Comment"}, {"'txt'", "SQL String"}}},
        SchemeSample{"tcltk.sch",
                     "proc greet {} { puts \"txt\" }\r\n# note",
                     {{"proc", "Tcl Keyword"}, {"# note", "Tcl Comment"}, {"\"txt\"", "Tcl String"}}},
        SchemeSample{"vbscript.sch",
                     "Dim x ' note\r\nx = \"txt\"",
                     {{"Dim", "VBScript Keyword"}, {"' note", "VBScript Comment"}, {"\"txt\"", "VBScript String"}}},
        SchemeSample{"vbsinhtml.sch",
                     "<script language=\"vbscript\">\r\nDim x ' note\r\nx = \"txt\"\r\n</script>",
                     {{"Dim", "VBScript Keyword"}, {"' note", "VBScript Comment"}, {"\"txt\"", "VBScript String"}}},
        SchemeSample{"vbasic.sch",
                     "Private Sub Go() ' note\r\n  Msg = \"txt\"",
                     {{"Private", "Visual Basic Keyword"},
                      {"' note", "Visual Basic Comment"},
                      {"\"txt\"", "Visual Basic String"}}}),
    [](const auto& row) {
      std::string name;
      for (char ch : row.param.file)
        if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
      return name;
    });

}  // namespace
}  // namespace markloom
