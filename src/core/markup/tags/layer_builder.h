#pragma once
// The Insert Layer dialog's output: one absolutely positioned element.
#include <optional>
#include <string>

namespace markloom {

// The position and size fields carry their own trailing ';' as initial values;
// the output puts nothing between a value and the next property.
struct LayerFields {
  std::string tag;              // EditTag
  std::string name;             // EditName
  std::string top = "0px;";     // EditTop
  std::string left = "0px;";    // EditLeft
  std::string height = "100px;";  // EditHeight
  std::string width = "100px;";   // EditWidth
  std::string color;            // EditColor
  friend bool operator==(const LayerFields&, const LayerFields&) = default;
};

inline constexpr const char* kLayerNoTagError = "Please choose a tag type.";

std::optional<std::string> layerError(const LayerFields& fields);

// Every field is written, empty or not.
std::string layerMarkup(const LayerFields& fields);

}  // namespace markloom
