#include "core/markup/tags/quicktime_builder.h"

#include "core/markup/tags/vendor_addresses.h"

namespace markloom::tags {

namespace {
const char* word(bool on) { return on ? "true" : "false"; }
}  // namespace

Markup quickTimeMarkup(const QuickTimeFields& f) {
  return snippet("<embed src=\"" + f.movie + "\" height=\"" + f.height + "\" width=\"" + f.width + "\" autoplay=\"" +
                 word(f.autoPlay) + "\" loop=\"" + word(f.loop) + "\" controller=\"" + word(f.controls) + "\" href=\"" +
                 f.linkTo + "\" target=\"" + f.target + "\" pluginspage=\"" + std::string(kQuickTimePluginPage) +
                 "\"></embed>");
}

}  // namespace markloom::tags
