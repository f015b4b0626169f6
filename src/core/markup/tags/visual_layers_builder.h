#pragma once
// The Create Layers Visually dialog's output: one DIV line per rectangle on the
// design surface.
#include <cstdint>
#include <string>
#include <vector>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct VisualLayer {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const VisualLayer&, const VisualLayer&) = default;
};

struct VisualLayerFields {
  std::vector<VisualLayer> layers;  // in creation order
  friend bool operator==(const VisualLayerFields&, const VisualLayerFields&) = default;
};

// "#RRGGBB" with upper-case hexadecimal digits.
std::string htmlColour(const VisualLayer& layer);

// A snippet listing the most recent layer first, each line followed by CR LF;
// empty for no layers.
Markup visualLayersMarkup(const VisualLayerFields& fields);

}  // namespace markloom::tags
