#include "core/markup/tags/wml_access_builder.h"

#include "core/markup/insertion_primitives.h"

namespace markloom::markup {

std::string buildWmlAccess(const WmlAccessFields& f) {
  return "<access domain=\"" + f.domain + "\" path=\"/" + f.path + "\"/>";
}

void insertWmlAccess(EditorOps& ops, const WmlAccessFields& fields) { InsertSnippet(ops, buildWmlAccess(fields)); }

}  // namespace markloom::markup
