#pragma once
// The WML go element with its optional method, encoding, id and class.
#include <string>
#include <vector>

#include "core/document/editor_ops.h"

namespace markloom::markup {

struct WmlGoFields {
  std::string address;
  bool sendReferer = false;
  std::string method = "GET";
  std::string encType = "application/x-www-form-urlencoded";
  std::string name;  // written as the id attribute
  std::string className;
  friend bool operator==(const WmlGoFields&, const WmlGoFields&) = default;
};

const std::vector<std::string>& wmlGoMethods();

std::string buildWmlGo(const WmlGoFields& fields);
void insertWmlGo(EditorOps& ops, const WmlGoFields& fields);

}  // namespace markloom::markup
