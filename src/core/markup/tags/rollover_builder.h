#pragma once
// The Insert Image Rollover dialog's output: the swap script, one empty line
// and a link whose image changes while the mouse is over it.
#include <string>
#include <string_view>
#include <vector>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct RolloverFields {
  std::string original;
  std::string next;  // the picture shown while the mouse is over it
  std::string hyperlink;
  std::string name;
  friend bool operator==(const RolloverFields&, const RolloverFields&) = default;
};

// Shown before the picture chooser opens for an empty image field; the command
// goes on whether or not a picture is then chosen.
inline constexpr std::string_view kRolloverNoOriginalMessage = "Please give an original image.";
inline constexpr std::string_view kRolloverNoNextMessage = "Please give an image to show on rollover.";
inline constexpr std::string_view kRolloverNoHyperlinkMessage = "Please give a hyperlink.";
inline constexpr std::string_view kRolloverNoNameMessage = "Please give a name.";

// Refuses an empty hyperlink, then an empty name.
Check rolloverCheck(const RolloverFields& fields);

// The fixed script block: 45 lines defining MM_swapImgRestore, MM_preloadImages
// and MM_swapImage.
const std::vector<std::string>& rolloverScript();

// <a href=... onMouseOut=... onMouseOver=...><img ...></a>
std::string rolloverLinkLine(const RolloverFields& fields);

// A block: the script, an empty line, then the link line.
Markup rolloverMarkup(const RolloverFields& fields);

}  // namespace markloom::tags
