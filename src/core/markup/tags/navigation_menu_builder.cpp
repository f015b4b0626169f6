#include "core/markup/tags/navigation_menu_builder.h"

#include <algorithm>

#include "core/text/whole_number.h"

namespace markloom::tags {

Markup navigationMarkup(const NavigationFields& f) {
  std::vector<std::string> lines;
  lines.emplace_back("<form>");
  lines.push_back("<select name=\"" + f.name + "\" onChange='top.location.href=this.form." + f.name +
                  ".options[this.form." + f.name + ".selectedIndex].value'>");
  lines.emplace_back("<option value='#'>Select Item");
  for (const NavigationItem& item : f.list) lines.push_back("<option value=\"" + item.link + "\">" + item.text);
  lines.emplace_back("</select>");
  lines.emplace_back("</form>");
  return block(std::move(lines));
}

int navigationGridRows(const std::string& itemsText) { return std::clamp(wholeNumber(itemsText), 1, 32767) + 1; }

}  // namespace markloom::tags
