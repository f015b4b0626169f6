#pragma once
// The client-side script element: an opening SCRIPT line, the code lines as
// typed and the closing line.
#include <string>
#include <vector>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct ScriptFields {
  std::string language;     // written even when empty
  std::string contentType;  // type attribute, left out when empty
  std::string source;       // src attribute, left out when empty
  std::vector<std::string> code;
  friend bool operator==(const ScriptFields&, const ScriptFields&) = default;
};

// The item lists of the two drop-downs, sorted.
const std::vector<std::string>& scriptLanguages();
const std::vector<std::string>& scriptContentTypes();

// A block at the caret.
Markup scriptMarkup(const ScriptFields& fields);

}  // namespace markloom::tags
