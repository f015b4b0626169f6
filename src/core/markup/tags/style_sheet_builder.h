#pragma once
// A link to an external style sheet.
#include <string>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct StyleSheetFields {
  std::string fileName;  // written as typed
  friend bool operator==(const StyleSheetFields&, const StyleSheetFields&) = default;
};

// A snippet.
Markup styleSheetMarkup(const StyleSheetFields& fields);

}  // namespace markloom::tags
