#pragma once
// The WML access element. The path is written behind a fixed "/".
#include <string>

#include "core/document/editor_ops.h"

namespace markloom::markup {

struct WmlAccessFields {
  std::string domain;
  std::string path;
  friend bool operator==(const WmlAccessFields&, const WmlAccessFields&) = default;
};

std::string buildWmlAccess(const WmlAccessFields& fields);
void insertWmlAccess(EditorOps& ops, const WmlAccessFields& fields);

}  // namespace markloom::markup
