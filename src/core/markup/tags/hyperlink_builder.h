#pragma once
// The Insert a Hyperlink dialog's output: an opening <a> tag and "</A>"
// around the selection.
#include <string>
#include <string_view>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct LinkFields {
  std::string linkTo;
  std::string target;
  std::string style;
  std::string name;
  std::string className;
  friend bool operator==(const LinkFields&, const LinkFields&) = default;
};

inline constexpr std::string_view kLinkNoTargetMessage = "Please specify a file to link to";
inline constexpr std::string_view kLinkClose = "</A>";

// Refuses an empty address.
Check linkCheck(const LinkFields& fields);
// A wrap: <a href="..."> with target, style, name and class in that order,
// each only when not empty, and the closing tag in capitals.
Markup linkMarkup(const LinkFields& fields);

}  // namespace markloom::tags
