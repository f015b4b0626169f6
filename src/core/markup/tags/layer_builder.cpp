#include "core/markup/tags/layer_builder.h"

namespace markloom::tags {

Check layerCheck(const LayerFields& f) {
  if (f.tag.empty()) return refuse(kLayerNoTagMessage);
  return std::nullopt;
}

Markup layerMarkup(const LayerFields& f) {
  return snippet("<" + f.tag + " id=\"" + f.name + "\" style=\"position:absolute; top: " + f.top + " left: " + f.left +
                 " height: " + f.height + " width: " + f.width + " background-color: " + f.color + ";\"></" + f.tag +
                 ">");
}

}  // namespace markloom::tags
