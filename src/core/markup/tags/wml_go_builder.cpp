#include "core/markup/tags/wml_go_builder.h"

#include <utility>

namespace markloom::tags {

const std::vector<std::string>& wmlGoMethods() {
  static const std::vector<std::string> methods = {"GET", "PUT"};
  return methods;
}

Markup wmlGoMarkup(const WmlGoFields& f) {
  std::string s = "<go href=\"" + f.address + "\" sendreferer=\"" + (f.sendReferer ? "True" : "False") + "\"";
  const std::pair<const char*, const std::string*> optional[] = {
      {"method", &f.method}, {"enctype", &f.encType}, {"id", &f.name}, {"class", &f.className}};
  for (const auto& [attribute, value] : optional) {
    if (!value->empty()) s += std::string(" ") + attribute + "=\"" + *value + "\"";
  }
  return snippet(s + "> </go>");
}

}  // namespace markloom::tags
