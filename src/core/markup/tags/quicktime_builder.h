#pragma once
// The QuickTime movie as an embed element; every attribute is written, empty
// or not.
#include <string>
#include <string_view>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct QuickTimeFields {
  std::string movie;
  std::string height = "0";
  std::string width = "0";
  std::string target;
  std::string linkTo;
  bool autoPlay = true;
  bool loop = true;
  bool controls = true;
  friend bool operator==(const QuickTimeFields&, const QuickTimeFields&) = default;
};

// Shown for an empty movie before the movie chooser opens; the command then
// goes on with whatever was chosen.
inline constexpr std::string_view kQuickTimeMissingMessage = "Please specify a QuickTime movie.";

// A snippet.
Markup quickTimeMarkup(const QuickTimeFields& fields);

}  // namespace markloom::tags
