#include "core/markup/tags/stylesheet_builder.h"

#include "core/markup/insertion_primitives.h"

namespace markloom::markup {

std::string buildStyleSheetLink(const std::string& fileName) {
  return "<LINK REL=\"stylesheet\" TITLE=\"Default\" HREF=\"" + fileName + "\" TYPE=\"text/css\">";
}

void insertStyleSheetLink(EditorOps& ops, const std::string& fileName) {
  InsertSnippet(ops, buildStyleSheetLink(fileName));
}

}  // namespace markloom::markup
