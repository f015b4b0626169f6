#pragma once
// The Insert Layer dialog's output: one absolutely positioned element.
#include <string>
#include <string_view>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

// The position and size fields carry their own trailing ';' as initial values;
// the output puts nothing between a value and the next property.
struct LayerFields {
  std::string tag;
  std::string name;
  std::string top = "0px;";
  std::string left = "0px;";
  std::string height = "100px;";
  std::string width = "100px;";
  std::string color;
  friend bool operator==(const LayerFields&, const LayerFields&) = default;
};

inline constexpr std::string_view kLayerNoTagMessage = "Please choose a tag type.";

// Refuses an empty tag.
Check layerCheck(const LayerFields& fields);
// A snippet; every field is written, empty or not.
Markup layerMarkup(const LayerFields& fields);

}  // namespace markloom::tags
