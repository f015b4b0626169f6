#include "core/markup/tags/real_video_builder.h"

#include "core/markup/tags/vendor_addresses.h"

namespace markloom::tags {

Markup realVideoMarkup(const RealVideoFields& f) {
  const std::string a = f.autoPlay ? "true" : "false";
  std::string s;
  s += "<object id=RAOCX classid=\"clsid:CFCDAA03-8BE4-11cf-B84B-0020AFBBCCFA\" width=\"" + f.width + "\" height=\"" +
       f.height + "\">";
  s += "<param name=\"SRC\" value=\"" + f.movie + "\">";
  s += "<param name=\"CONSOLE\" value=\"Clip1\">";
  s += "<param name=\"CONTROLS\" value=\"imagewindow\">";
  s += "<param name=\"AUTOSTART\" value=\"" + a + "\">";
  s += "<embed src=\"" + f.movie + "\" height=\"" + f.height + "\" width=\"" + f.width +
       "\" controls=\"ImageWindow\" console=\"Clip1\" pluginspage=\"" + std::string(kRealPlayerPluginPage) +
       "\" autoplay=\"" + a + "\"></embed>";
  s += "</object>";
  return snippet(std::move(s));
}

}  // namespace markloom::tags
