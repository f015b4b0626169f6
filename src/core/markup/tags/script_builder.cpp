#include "core/markup/tags/script_builder.h"

namespace markloom::tags {

const std::vector<std::string>& scriptLanguages() {
  static const std::vector<std::string> items = {"JavaScript", "JavaScript1.1", "JavaScript1.2", "JScript",
                                                 "PHP",        "tcl",           "VBScript"};
  return items;
}

const std::vector<std::string>& scriptContentTypes() {
  static const std::vector<std::string> items = {"text/javascript", "text/jscript", "text/php", "text/tcl",
                                                 "text/vbscript"};
  return items;
}

Markup scriptMarkup(const ScriptFields& f) {
  std::string open = "<SCRIPT Language=\"" + f.language + "\"";
  if (!f.contentType.empty()) open += " type=\"" + f.contentType + "\"";
  if (!f.source.empty()) open += " src=\"" + f.source + "\"";
  open += ">";
  std::vector<std::string> lines;
  lines.reserve(f.code.size() + 2);
  lines.push_back(std::move(open));
  lines.insert(lines.end(), f.code.begin(), f.code.end());
  lines.push_back("</script>");
  return block(std::move(lines));
}

}  // namespace markloom::tags
