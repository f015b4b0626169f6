#include "core/markup/tags/style_sheet_builder.h"

namespace markloom::tags {

Markup styleSheetMarkup(const StyleSheetFields& f) {
  return snippet("<LINK REL=\"stylesheet\" TITLE=\"Default\" HREF=\"" + f.fileName + "\" TYPE=\"text/css\">");
}

}  // namespace markloom::tags
