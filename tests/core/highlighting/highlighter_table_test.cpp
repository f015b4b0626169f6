#include "core/highlighting/highlighter_table.h"

#include <gtest/gtest.h>

#include <string>

#include "core/common/error.h"
#include "core/highlighting/scheme_file.h"

namespace markloom {
namespace {

const std::string kSchemes = std::string(MARKLOOM_SOURCE_DIR) + "/data/Extensions/schemes/";

TEST(HighlighterTable, EntriesInOrderWithTheirFiles) {
  std::string listed;
  for (const HighlighterEntry& e : highlighterEntries())
    listed += std::string(e.caption) + "=" + std::string(e.schemeFile) + ";";
  EXPECT_EQ(listed,
            "Default=main-scheme.sch;ASP in HTML=aspinhtml.sch;Assembler=assembler.sch;AWK=awk.sch;C=c.sch;"
            "CBuilder=cppbuilder.sch;Clipper=clipper.sch;CSS 1.0=css1.sch;CSS 2.0=css2.sch;Fortran=fortran.sch;"
            "FoxPro=foxpro.sch;HTML=html.sch;JavaScript=jscript.sch;JavaScript in HTML=jsinhtml.sch;"
            "JBuilder=javabuilder.sch;Oberon=oberon.sch;Object Pascal=objectpascal.sch;Perl=perl.sch;"
            "PHP in HTML=phpinhtml.sch;Python=python.sch;SQL=sql_oracle.sch;TCL/TK=tcltk.sch;"
            "VBScript=vbscript.sch;VBScript in HTML=vbsinhtml.sch;Visual Basic=vbasic.sch;"
            "___________________=;Other...=;=;");
}

TEST(HighlighterTable, OnlyExactCaptionsHaveAFile) {
  const std::vector<std::pair<std::string, std::string>> rows = {{"Perl", "perl.sch"},
                                                                 {"perl", ""},
                                                                 {"Default", "main-scheme.sch"},
                                                                 {"Other...", ""},
                                                                 {"", ""},
                                                                 {"SQL ", ""},
                                                                 {std::string(19, '_'), ""},
                                                                 {"TCL/TK", "tcltk.sch"}};
  for (const auto& [text, file] : rows) EXPECT_EQ(std::string(schemeFileFor(text)), file) << text;
}

TEST(HighlighterTable, EveryDeliveredSchemeFileReads) {
  for (const HighlighterEntry& e : highlighterEntries()) {
    if (e.schemeFile.empty()) continue;
    const std::string path = kSchemes + std::string(e.schemeFile);
    try {
      const SyntaxScheme s = readSchemeFile(path);
      EXPECT_FALSE(s.blocks.empty()) << path;
      // What is delivered is what the writer would write: no drift between
      // hand edits and the notation.
      EXPECT_EQ(parseSchemeText(writeSchemeText(s)), s) << path;
    } catch (const Error& err) {
      ADD_FAILURE() << err.what();
    }
  }
}

TEST(HighlighterTable, DeliveredDefaultIsTheBuiltInScheme) {
  EXPECT_EQ(readSchemeFile(kSchemes + "main-scheme.sch"), defaultScheme());
}

}  // namespace
}  // namespace markloom
