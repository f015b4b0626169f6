#pragma once
// The Java applet element. Only the applet's code is required; every other
// attribute is written only when its field has text, in a fixed order.
#include <string>
#include <string_view>
#include <vector>

#include "core/document/editor_ops.h"

namespace markloom::markup {

struct AppletFields {
  std::string applet;
  std::string codeBase;
  std::string alternativeText;
  std::string name;
  std::string width;
  std::string height;
  std::string vSpace;
  std::string hSpace;
  std::string align;
  friend bool operator==(const AppletFields&, const AppletFields&) = default;
};

inline constexpr std::string_view kAppletMissingMessage = "You have not specifed an applet.";

const std::vector<std::string>& appletAlignments();  // sorted

bool appletComplete(const AppletFields& fields);  // false: kAppletMissingMessage
std::string buildApplet(const AppletFields& fields);
void insertApplet(EditorOps& ops, const AppletFields& fields);

}  // namespace markloom::markup
