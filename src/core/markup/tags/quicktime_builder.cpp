#include "core/markup/tags/quicktime_builder.h"

#include "core/markup/tags/vendor_addresses.h"
#include "core/markup/insertion_primitives.h"

namespace markloom::markup {

namespace {
const char* word(bool on) { return on ? "true" : "false"; }
}  // namespace

std::string buildQuickTime(const QuickTimeFields& f) {
  return "<embed src=\"" + f.movie + "\" height=\"" + f.height + "\" width=\"" + f.width + "\" autoplay=\"" +
         word(f.autoPlay) + "\" loop=\"" + word(f.loop) + "\" controller=\"" + word(f.controls) + "\" href=\"" +
         f.linkTo + "\" target=\"" + f.target + "\" pluginspage=\"" + std::string(kQuickTimePluginPage) +
         "\"></embed>";
}

void insertQuickTime(EditorOps& ops, const QuickTimeFields& fields) { InsertSnippet(ops, buildQuickTime(fields)); }

}  // namespace markloom::markup
