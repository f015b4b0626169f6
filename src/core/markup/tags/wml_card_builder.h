#pragma once
// The WML card: an empty card element with its id and title.
#include <string>
#include <string_view>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct WmlCardFields {
  std::string name;  // the id attribute
  std::string title;
  friend bool operator==(const WmlCardFields&, const WmlCardFields&) = default;
};

inline constexpr std::string_view kWmlCardClose = "</card>";

// A snippet: the opening tag and the closing one, so the card reads in order
// with the caret in front of "<card".
Markup wmlCardMarkup(const WmlCardFields& fields);

}  // namespace markloom::tags
