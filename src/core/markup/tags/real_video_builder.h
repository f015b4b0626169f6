#pragma once
// The RealVideo clip as an object element (with an embed inside for browsers
// without the control), written as one text.
#include <string>
#include <string_view>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct RealVideoFields {
  std::string movie;
  std::string height = "0";
  std::string width = "0";
  bool autoPlay = true;
  friend bool operator==(const RealVideoFields&, const RealVideoFields&) = default;
};

// Shown for an empty clip before the clip chooser opens; the command then
// goes on with whatever was chosen.
inline constexpr std::string_view kRealVideoMissingMessage = "Please specify a RealMovie clip.";

// A snippet.
Markup realVideoMarkup(const RealVideoFields& fields);

}  // namespace markloom::tags
