#pragma once
// A laid-out page as JSON lines, for scripts: first the window,
//   {"kind":"window","x":0,"y":0,"w":W,"h":H,"text":CAPTION,"font":null,"link":null,"path":null}
// then one line per item in placing order,
//   {"kind":K,"x":..,"y":..,"w":..,"h":..,"text":..,"font":F,"link":L,"path":P}
// where K is label, rule, text-field, option, picture, picture-box or
// missing-picture; F is {"family","points","bold","italic","underline"} for
// labels and options and null otherwise; L is the link target of a link label
// and null otherwise; P is the file of a picture or picture-box and null
// otherwise. A picture's text is its source value as written. Text is UTF-8.
#include <string>

#include "core/wml/wml_page.h"

namespace markloom {

const char* itemKindName(WmlItemKind kind);
std::string itemJson(const WmlItem& item);
std::string windowJson(const std::string& caption, int clientWidth, int clientHeight);
// Every line of the page, each ending in a line feed.
std::string pageJson(const WmlPage& page);

}  // namespace markloom
