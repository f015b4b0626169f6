#pragma once
// The client-side script element: an opening SCRIPT line, the code lines as
// typed and the closing line.
#include <string>
#include <vector>

#include "core/document/editor_ops.h"

namespace markloom::markup {

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

std::vector<std::string> buildScript(const ScriptFields& fields);
// Inserts the script as a block at the caret.
void insertScript(EditorOps& ops, const ScriptFields& fields);

}  // namespace markloom::markup
