#pragma once
// The Insert Image dialog's output: one <img> tag, optionally wrapped in an
// aligned paragraph.
#include <string>

namespace markloom {

struct ImageFields {
  std::string picture;   // EditSrc
  std::string height;    // EditHeight
  std::string width;     // EditWidth
  std::string altText;   // EditAltText
  std::string lowRes;    // EditLowRes
  std::string style;     // EditStyle
  std::string border = "0";  // EditBorder
  std::string align;     // EditAlign
  std::string name;      // EditName
  friend bool operator==(const ImageFields&, const ImageFields&) = default;
};

// Shown (as a warning) when the picture is empty; the tag is inserted anyway.
inline constexpr const char* kImageNoPictureWarning = "You have not specifed an picture.";

// src is always written; the other attributes only when their field is not
// empty, in the order height, width, alt, lowres, border, style, name. A
// non-empty Align wraps the tag in <p align="..."> ... </p>. Texts are copied
// unchanged.
std::string imageMarkup(const ImageFields& fields);

}  // namespace markloom
