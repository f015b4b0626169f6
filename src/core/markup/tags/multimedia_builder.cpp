#include "core/markup/tags/multimedia_builder.h"

#include "core/markup/tags/vendor_addresses.h"

namespace markloom::tags {

Markup mediaMarkup(const MediaFields& f) {
  const std::string& source = f.source;
  switch (f.kind) {
    case MediaKind::Shockwave:
      return snippet("<OBJECT id=\"who\" classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" codebase=\"" +
                     std::string(kFlashPlayerCabinet) + "\">" + "<param name=\"Movie\" value=\"" + source + "\">" +
                     "<param NAME=\"Quality\" VALUE=\"best\"><param NAME=\"SAlign\" VALUE=\"Top\">"
                     "<PARAM NAME=\"Play\" VALUE=\"true\">" +
                     "<EMBED SRC=\"" + source + "\" play=\"false\" quality=\"best\"></EMBED>" + "</OBJECT>");
    case MediaKind::Plugin: return snippet("<embed src=\"" + source + "\"></embed>");
    case MediaKind::Video:
      return snippet("<embed src=\"" + source + "\" autostart=\"true\" width=\"200\" height=\"200\">");
    case MediaKind::Sound:
      return snippet("<embed src=\"" + source + "\" autostart=\"true\" hidden=\"true\" loop=\"0\">" +
                     "<bgsound src=\"" + source + "\" loop=\"infinite\">");
  }
  return snippet({});
}

}  // namespace markloom::tags
