#pragma once
// The Multimedia dialog's outputs, chosen by its mode: a Shockwave object, a
// plug-in embed, a video or a background sound.
#include <optional>
#include <string>
#include <string_view>

namespace markloom::markup {

inline constexpr std::string_view kMediaShock = "SHOCK";
inline constexpr std::string_view kMediaPlugin = "PLUGS";
inline constexpr std::string_view kMediaVideo = "VIDEO";
inline constexpr std::string_view kMediaSound = "SOUND";

inline constexpr std::string_view kMediaMissingMessage = "Please specify a file.";

// nullopt for a mode the dialog does not know (exact, case-sensitive match).
std::optional<std::string> buildMedia(std::string_view mode, const std::string& source);

}  // namespace markloom::markup
