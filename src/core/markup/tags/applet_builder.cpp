#include "core/markup/tags/applet_builder.h"

#include <utility>

namespace markloom::tags {

const std::vector<std::string>& appletAlignments() {
  static const std::vector<std::string> items = {"bottom", "left", "middle", "right", "top"};
  return items;
}

Check appletCheck(const AppletFields& f) {
  if (f.applet.empty()) return refuse(kAppletMissingMessage);
  return std::nullopt;
}

Markup appletMarkup(const AppletFields& f) {
  std::string s = "<applet code=\"" + f.applet + "\"";
  const std::pair<const char*, const std::string*> optional[] = {
      {"codebase", &f.codeBase}, {"alt", &f.alternativeText}, {"name", &f.name},     {"width", &f.width},
      {"height", &f.height},     {"vspace", &f.vSpace},       {"hspace", &f.hSpace}, {"align", &f.align},
  };
  for (const auto& [attribute, value] : optional) {
    if (!value->empty()) s += std::string(" ") + attribute + "=\"" + *value + "\"";
  }
  return snippet(s + ">");
}

}  // namespace markloom::tags
