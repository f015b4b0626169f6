#include "core/markup/tags/applet_builder.h"

#include <utility>

#include "core/markup/insertion_primitives.h"

namespace markloom::markup {

const std::vector<std::string>& appletAlignments() {
  static const std::vector<std::string> items = {"bottom", "left", "middle", "right", "top"};
  return items;
}

bool appletComplete(const AppletFields& fields) { return !fields.applet.empty(); }

std::string buildApplet(const AppletFields& f) {
  std::string s = "<applet code=\"" + f.applet + "\"";
  const std::pair<const char*, const std::string*> optional[] = {
      {"codebase", &f.codeBase}, {"alt", &f.alternativeText}, {"name", &f.name},     {"width", &f.width},
      {"height", &f.height},     {"vspace", &f.vSpace},       {"hspace", &f.hSpace}, {"align", &f.align},
  };
  for (const auto& [attribute, value] : optional) {
    if (!value->empty()) s += std::string(" ") + attribute + "=\"" + *value + "\"";
  }
  return s + ">";
}

void insertApplet(EditorOps& ops, const AppletFields& fields) { InsertSnippet(ops, buildApplet(fields)); }

}  // namespace markloom::markup
