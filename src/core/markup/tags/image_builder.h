#pragma once
// The Insert Image dialog's output: one <img> tag, optionally wrapped in an
// aligned paragraph.
#include <string>
#include <string_view>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct ImageFields {
  std::string picture;
  std::string height;
  std::string width;
  std::string altText;
  std::string lowRes;
  std::string style;
  std::string border = "0";
  std::string align;
  std::string name;
  friend bool operator==(const ImageFields&, const ImageFields&) = default;
};

inline constexpr std::string_view kImageNoPictureWarning = "You have not specifed an picture.";

// A warning for an empty picture; the tag is inserted anyway.
Check imageCheck(const ImageFields& fields);
// A snippet. src is always written; the other attributes only when their
// field is not empty, in the order height, width, alt, lowres, border, style,
// name. A non-empty align wraps the tag in <p align="..."> ... </p>. Texts are
// copied unchanged.
Markup imageMarkup(const ImageFields& fields);

}  // namespace markloom::tags
