#pragma once
// The Multimedia dialog's outputs, chosen by the kind of file it is showing
// for: a Shockwave object, a plug-in embed, a video or a background sound.
#include <string>
#include <string_view>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

enum class MediaKind { Shockwave, Plugin, Video, Sound };

struct MediaFields {
  MediaKind kind = MediaKind::Shockwave;
  std::string source;
  friend bool operator==(const MediaFields&, const MediaFields&) = default;
};

// Shown for an empty source before the file chooser opens; the command then
// goes on with whatever was chosen.
inline constexpr std::string_view kMediaMissingMessage = "Please specify a file.";

// A snippet.
Markup mediaMarkup(const MediaFields& fields);

}  // namespace markloom::tags
