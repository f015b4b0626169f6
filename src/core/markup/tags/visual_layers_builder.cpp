#include "core/markup/tags/visual_layers_builder.h"

namespace markloom::tags {

std::string htmlColour(const VisualLayer& layer) {
  static const char digits[] = "0123456789ABCDEF";
  std::string s = "#";
  for (const std::uint8_t v : {layer.red, layer.green, layer.blue}) {
    s += digits[v >> 4];
    s += digits[v & 0xF];
  }
  return s;
}

Markup visualLayersMarkup(const VisualLayerFields& fields) {
  std::string text;
  for (auto it = fields.layers.rbegin(); it != fields.layers.rend(); ++it) {
    text += "<DIV ID=\"NAME\" STYLE=\"top: " + std::to_string(it->top) + "; left: " + std::to_string(it->left) +
            "; width: " + std::to_string(it->width) + "; height: " + std::to_string(it->height) +
            "; background: " + htmlColour(*it) + ";\"></DIV>\r\n";
  }
  return snippet(std::move(text));
}

}  // namespace markloom::tags
