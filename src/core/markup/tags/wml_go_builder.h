#pragma once
// The WML go element with its optional method, encoding, id and class.
#include <string>
#include <vector>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

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

// A snippet; method, encoding type, id and class only when not empty.
Markup wmlGoMarkup(const WmlGoFields& fields);

}  // namespace markloom::tags
