#pragma once
// The WML card: an empty card element with its id and title.
#include <string>

#include "core/document/editor_ops.h"

namespace markloom::markup {

struct WmlCardFields {
  std::string name;   // the id attribute
  std::string title;
  friend bool operator==(const WmlCardFields&, const WmlCardFields&) = default;
};

std::string wmlCardOpen(const WmlCardFields& fields);
inline constexpr const char* kWmlCardClose = "</card>";
// Inserts the closing tag, then the opening tag in front of it: the card reads
// in order with the caret in front of "<card".
void insertWmlCard(EditorOps& ops, const WmlCardFields& fields);

}  // namespace markloom::markup
