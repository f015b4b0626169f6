#include "core/markup/tags/wml_card_builder.h"

namespace markloom::tags {

Markup wmlCardMarkup(const WmlCardFields& f) {
  return snippet("<card id=\"" + f.name + "\" title=\"" + f.title + "\">" + std::string(kWmlCardClose));
}

}  // namespace markloom::tags
