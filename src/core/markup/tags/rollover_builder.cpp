#include "core/markup/tags/rollover_builder.h"

namespace markloom::tags {

Check rolloverCheck(const RolloverFields& f) {
  if (f.hyperlink.empty()) return refuse(kRolloverNoHyperlinkMessage);
  if (f.name.empty()) return refuse(kRolloverNoNameMessage);
  return std::nullopt;
}

// The swap data is a flat array of pairs (image object, source to restore).
// A reference into document.layers or document.all falls back to a plain
// document.<name> reference on pages that lack that collection. Lines are kept
// in the old browser-safe dialect (var, no arrow functions, eval of the
// reference) because the block is pasted into arbitrary pages.
const std::vector<std::string>& rolloverScript() {
  static const std::vector<std::string> lines = {
      "<script language=\"JavaScript\">",
      "<!--",
      "function MM_swapImgRestore() { //v2.0",
      "  var pairs = document.MM_swapImgData;",
      "  if (pairs != null)",
      "    for (var i = 0; i + 1 < pairs.length; i += 2) pairs[i].src = pairs[i + 1];",
      "}",
      "",
      "function MM_preloadImages() { //v2.0",
      "  if (document.images) {",
      "    if (document.preloadArray == null) document.preloadArray = new Array();",
      "    var list = document.preloadArray;",
      "    for (var i = 0; i < arguments.length; i++) {",
      "      var file = String(arguments[i]);",
      "      if (file.charAt(0) != \"#\") {",
      "        list[list.length] = new Image();",
      "        list[list.length - 1].src = file;",
      "      }",
      "    }",
      "  }",
      "}",
      "",
      "function MM_swapImage() { //v2.0",
      "  var saved = document.MM_swapImgData, swapped = new Array();",
      "  for (var i = 0; i + 2 < arguments.length; i += 3) {",
      "    var ref = (navigator.appName == 'Netscape') ? arguments[i] : arguments[i + 1];",
      "    if ((ref.indexOf('document.layers[') == 0 && document.layers == null) ||",
      "(ref.indexOf('document.all[') == 0 && document.all == null))",
      "      ref = 'document' + ref.substring(ref.lastIndexOf('.'), ref.length);",
      "    var obj = eval(ref);",
      "    if (obj != null) {",
      "      var restore = obj.src;",
      "      if (saved != null)",
      "        for (var j = 0; j + 1 < saved.length; j += 2)",
      "          if (saved[j] == obj) restore = saved[j + 1];",
      "      swapped[swapped.length] = obj;",
      "      swapped[swapped.length] = restore;",
      "      obj.src = arguments[i + 2];",
      "    }",
      "  }",
      "  document.MM_swapImgData = swapped;",
      "}",
      "",
      "//-->",
      "</script>",
  };
  return lines;
}

std::string rolloverLinkLine(const RolloverFields& f) {
  return "<a href=\"" + f.hyperlink + "\" " +
         "onMouseOut=\"MM_swapImgRestore()\" onMouseOver=\"MM_swapImage('document." + f.name + "','document." + f.name +
         "','" + f.next + "')\"><img name=\"" + f.name + "\" border=\"0\" src=\"" + f.original + "\"></a>";
}

Markup rolloverMarkup(const RolloverFields& f) {
  std::vector<std::string> lines = rolloverScript();
  lines.emplace_back();
  lines.push_back(rolloverLinkLine(f));
  return block(std::move(lines));
}

}  // namespace markloom::tags
