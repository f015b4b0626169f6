#pragma once
// The Java applet element. Only the applet's code is required; every other
// attribute is written only when its field has text, in a fixed order.
#include <string>
#include <string_view>
#include <vector>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

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

// Refuses an empty applet.
Check appletCheck(const AppletFields& fields);
// A snippet.
Markup appletMarkup(const AppletFields& fields);

}  // namespace markloom::tags
