#include "core/markup/tags/wml_access_builder.h"

namespace markloom::tags {

Markup wmlAccessMarkup(const WmlAccessFields& f) {
  return snippet("<access domain=\"" + f.domain + "\" path=\"/" + f.path + "\"/>");
}

}  // namespace markloom::tags
