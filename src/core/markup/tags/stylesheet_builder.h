#pragma once
// A link to an external style sheet.
#include <string>

#include "core/document/editor_ops.h"

namespace markloom::markup {

std::string buildStyleSheetLink(const std::string& fileName);
void insertStyleSheetLink(EditorOps& ops, const std::string& fileName);

}  // namespace markloom::markup
