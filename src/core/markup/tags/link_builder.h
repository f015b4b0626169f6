#pragma once
// The Insert a Hyperlink dialog's output: an opening <a> tag that wraps the
// selection, closed by "</A>".
#include <optional>
#include <string>

namespace markloom {

struct LinkFields {
  std::string linkTo;     // EditLink
  std::string target;     // EditTarget
  std::string style;      // EditStyle
  std::string name;       // EditName
  std::string className;  // EditClass
  friend bool operator==(const LinkFields&, const LinkFields&) = default;
};

inline constexpr const char* kLinkNoTargetError = "Please specify a file to link to";
inline constexpr const char* kLinkClose = "</A>";

// The error to show instead of inserting, or nullopt when the fields are usable.
std::optional<std::string> linkError(const LinkFields& fields);

// <a href="..."> with target, style, name and class in that order, each only
// when not empty.
std::string linkOpenTag(const LinkFields& fields);

}  // namespace markloom
