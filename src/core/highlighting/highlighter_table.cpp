#include "core/highlighting/highlighter_table.h"

namespace markloom {

const std::vector<HighlighterEntry>& highlighterEntries() {
  static const std::vector<HighlighterEntry> table = {
      {"Default", "main-scheme.sch"},
      {"ASP in HTML", "aspinhtml.sch"},
      {"Assembler", "assembler.sch"},
      {"AWK", "awk.sch"},
      {"C", "c.sch"},
      {"CBuilder", "cppbuilder.sch"},
      {"Clipper", "clipper.sch"},
      {"CSS 1.0", "css1.sch"},
      {"CSS 2.0", "css2.sch"},
      {"Fortran", "fortran.sch"},
      {"FoxPro", "foxpro.sch"},
      {"HTML", "html.sch"},
      {"JavaScript", "jscript.sch"},
      {"JavaScript in HTML", "jsinhtml.sch"},
      {"JBuilder", "javabuilder.sch"},
      {"Oberon", "oberon.sch"},
      {"Object Pascal", "objectpascal.sch"},
      {"Perl", "perl.sch"},
      {"PHP in HTML", "phpinhtml.sch"},
      {"Python", "python.sch"},
      {"SQL", "sql_oracle.sch"},
      {"TCL/TK", "tcltk.sch"},
      {"VBScript", "vbscript.sch"},
      {"VBScript in HTML", "vbsinhtml.sch"},
      {"Visual Basic", "vbasic.sch"},
      {"___________________", ""},
      {"Other...", ""},
      {"", ""},
  };
  return table;
}

std::string_view schemeFileFor(std::string_view text) {
  for (const HighlighterEntry& e : highlighterEntries())
    if (e.caption == text) return e.schemeFile;
  return {};
}

}  // namespace markloom
