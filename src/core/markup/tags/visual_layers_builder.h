#pragma once
// The Create Layers Visually dialog's output: one DIV line per rectangle on the
// design surface.
#include <cstdint>
#include <string>
#include <vector>

namespace markloom {

struct VisualLayer {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const VisualLayer&, const VisualLayer&) = default;
};

// "#RRGGBB" with upper-case hexadecimal digits.
std::string htmlColour(const VisualLayer& layer);

// layers in creation order; the text lists the most recent first, each line
// followed by CR LF. Empty for no layers.
std::string visualLayersText(const std::vector<VisualLayer>& layers);

}  // namespace markloom
