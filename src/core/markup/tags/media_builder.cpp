#include "core/markup/tags/media_builder.h"

#include "core/markup/tags/vendor_addresses.h"

namespace markloom::markup {

std::optional<std::string> buildMedia(std::string_view mode, const std::string& source) {
  if (mode == kMediaShock) {
    return "<OBJECT id=\"who\" classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" codebase=\"" +
           std::string(kFlashPlayerCabinet) + "\">" + "<param name=\"Movie\" value=\"" + source + "\">" +
           "<param NAME=\"Quality\" VALUE=\"best\"><param NAME=\"SAlign\" VALUE=\"Top\">"
           "<PARAM NAME=\"Play\" VALUE=\"true\">" +
           "<EMBED SRC=\"" + source + "\" play=\"false\" quality=\"best\"></EMBED>" + "</OBJECT>";
  }
  if (mode == kMediaPlugin) return "<embed src=\"" + source + "\"></embed>";
  if (mode == kMediaVideo) return "<embed src=\"" + source + "\" autostart=\"true\" width=\"200\" height=\"200\">";
  if (mode == kMediaSound) {
    return "<embed src=\"" + source + "\" autostart=\"true\" hidden=\"true\" loop=\"0\">" + "<bgsound src=\"" +
           source + "\" loop=\"infinite\">";
  }
  return std::nullopt;
}

}  // namespace markloom::markup
