#include "core/markup/tags/wml_card_builder.h"

#include "core/markup/insertion_primitives.h"

namespace markloom::markup {

std::string wmlCardOpen(const WmlCardFields& f) { return "<card id=\"" + f.name + "\" title=\"" + f.title + "\">"; }

void insertWmlCard(EditorOps& ops, const WmlCardFields& fields) {
  InsertSnippet(ops, kWmlCardClose);
  InsertSnippet(ops, wmlCardOpen(fields));
}

}  // namespace markloom::markup
