#pragma once
// The WML access element. The path is written behind a fixed "/".
#include <string>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct WmlAccessFields {
  std::string domain;
  std::string path;
  friend bool operator==(const WmlAccessFields&, const WmlAccessFields&) = default;
};

// A snippet.
Markup wmlAccessMarkup(const WmlAccessFields& fields);

}  // namespace markloom::tags
