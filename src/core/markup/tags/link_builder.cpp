#include "core/markup/tags/link_builder.h"

namespace markloom {

std::optional<std::string> linkError(const LinkFields& f) {
  if (f.linkTo.empty()) return std::string(kLinkNoTargetError);
  return std::nullopt;
}

std::string linkOpenTag(const LinkFields& f) {
  std::string s = "<a href=\"" + f.linkTo + "\"";
  const auto attribute = [&s](const char* name, const std::string& value) {
    if (!value.empty()) s += std::string(" ") + name + "=\"" + value + "\"";
  };
  attribute("target", f.target);
  attribute("style", f.style);
  attribute("name", f.name);
  attribute("class", f.className);
  s += '>';
  return s;
}

}  // namespace markloom
