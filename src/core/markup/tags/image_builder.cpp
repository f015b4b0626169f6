#include "core/markup/tags/image_builder.h"

namespace markloom::tags {

namespace {
void attribute(std::string& s, const char* name, const std::string& value) {
  if (value.empty()) return;
  s += ' ';
  s += name;
  s += "=\"";
  s += value;
  s += '"';
}
}  // namespace

Check imageCheck(const ImageFields& f) {
  if (f.picture.empty()) return warn(kImageNoPictureWarning);
  return std::nullopt;
}

Markup imageMarkup(const ImageFields& f) {
  std::string s = "<img src=\"" + f.picture + "\"";
  attribute(s, "height", f.height);
  attribute(s, "width", f.width);
  attribute(s, "alt", f.altText);
  attribute(s, "lowres", f.lowRes);
  attribute(s, "border", f.border);
  attribute(s, "style", f.style);
  attribute(s, "name", f.name);
  s += '>';
  if (!f.align.empty()) s = "<p align=\"" + f.align + "\">" + s + "</p>";
  return snippet(std::move(s));
}

}  // namespace markloom::tags
