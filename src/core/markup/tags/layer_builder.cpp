#include "core/markup/tags/layer_builder.h"

namespace markloom {

std::optional<std::string> layerError(const LayerFields& f) {
  if (f.tag.empty()) return std::string(kLayerNoTagError);
  return std::nullopt;
}

std::string layerMarkup(const LayerFields& f) {
  return "<" + f.tag + " id=\"" + f.name + "\" style=\"position:absolute; top: " + f.top + " left: " + f.left +
         " height: " + f.height + " width: " + f.width + " background-color: " + f.color + ";\"></" + f.tag + ">";
}

}  // namespace markloom
