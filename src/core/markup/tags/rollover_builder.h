#pragma once
// The Insert Image Rollover dialog's output: the swap script, one empty line
// and a link whose image changes while the mouse is over it.
#include <optional>
#include <string>
#include <vector>

namespace markloom {

struct RolloverFields {
  std::string original;   // EditOriginal
  std::string next;       // EditNext ("Replace With (on Rollover):")
  std::string hyperlink;  // EditHyperlink
  std::string name;       // EditName
  friend bool operator==(const RolloverFields&, const RolloverFields&) = default;
};

// Shown before the picture chooser opens for an empty image field; the command
// goes on whether or not a picture is then chosen.
inline constexpr const char* kRolloverNoOriginalError = "Please give an original image.";
inline constexpr const char* kRolloverNoNextError = "Please give an image to show on rollover.";
// These stop the command.
inline constexpr const char* kRolloverNoHyperlinkError = "Please give a hyperlink.";
inline constexpr const char* kRolloverNoNameError = "Please give a name.";

// The error that stops the command (hyperlink checked before name), or nullopt.
std::optional<std::string> rolloverError(const RolloverFields& fields);

// The fixed script block: 45 lines defining MM_swapImgRestore, MM_preloadImages
// and MM_swapImage.
const std::vector<std::string>& rolloverScript();

// <a href=... onMouseOut=... onMouseOver=...><img ...></a>
std::string rolloverLinkLine(const RolloverFields& fields);

// The script, an empty line, then the link line.
std::vector<std::string> rolloverBlock(const RolloverFields& fields);

}  // namespace markloom
