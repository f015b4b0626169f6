#pragma once
// Fixed addresses of the media vendors' sites that the media markup points
// browsers to when their plug-in or player is missing. Kept here, in one
// place, so a moved download page is changed once.
#include <string_view>

namespace markloom::tags {

// The QuickTime plug-in download page (the embed element's pluginspage).
inline constexpr std::string_view kQuickTimePluginPage = "https://www.apple.com/quicktime/download/";
// The RealPlayer download page (the embed element's pluginspage).
inline constexpr std::string_view kRealPlayerPluginPage = "https://www.real.com/realplayer/";
// The Flash player cabinet file (the Shockwave object's codebase).
inline constexpr std::string_view kFlashPlayerCabinet =
    "https://download.macromedia.com/pub/shockwave/cabs/flash/swflash.cab#version=6,0,0,0";

}  // namespace markloom::tags
