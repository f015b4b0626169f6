#pragma once
// Finding a card's picture files: source values resolved against the folder
// of the document, and the size of a WBMP picture read from its header (the
// toolkit may have no reader for the format, and the layout still needs it).
#include <optional>
#include <string>
#include <string_view>

#include "core/wml/font_metrics.h"

namespace markloom {

// The file path a picture source value names: an absolute path or a file://
// address as it stands, anything else relative to folder; backslashes count as
// slashes. Empty when there is no local file to look at: an empty value, an
// address of another scheme (http:, ...), or a relative value with no folder.
std::string resolvePicturePath(std::string_view folder, std::string_view source);

// The width and height of a type-0 WBMP picture, when bytes are exactly one
// (header and every row of pixels present); nullopt for anything else.
std::optional<PixelSize> wbmpSize(std::string_view bytes);

}  // namespace markloom
