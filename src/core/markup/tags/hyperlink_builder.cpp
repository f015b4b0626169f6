#include "core/markup/tags/hyperlink_builder.h"

namespace markloom::tags {

Check linkCheck(const LinkFields& f) {
  if (f.linkTo.empty()) return refuse(kLinkNoTargetMessage);
  return std::nullopt;
}

Markup linkMarkup(const LinkFields& f) {
  std::string s = "<a href=\"" + f.linkTo + "\"";
  const auto attribute = [&s](const char* name, const std::string& value) {
    if (!value.empty()) s += std::string(" ") + name + "=\"" + value + "\"";
  };
  attribute("target", f.target);
  attribute("style", f.style);
  attribute("name", f.name);
  attribute("class", f.className);
  s += '>';
  return wrap(std::move(s), std::string(kLinkClose));
}

}  // namespace markloom::tags
