#pragma once
// The Insert Navigation Menu dialog's output: a form with a drop-down list
// that jumps to the chosen item's address.
#include <string>
#include <string_view>
#include <vector>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct NavigationItem {
  std::string text;  // column 0 of the list
  std::string link;  // column 1
  friend bool operator==(const NavigationItem&, const NavigationItem&) = default;
};

struct NavigationFields {
  std::string items = "1";  // the Number of Items text
  std::string name;
  std::vector<NavigationItem> list;  // the list's item rows (the header row left out)
  friend bool operator==(const NavigationFields&, const NavigationFields&) = default;
};

// The header cells of the list.
inline constexpr std::string_view kNavigationTextHeader = "Text for Link";
inline constexpr std::string_view kNavigationLinkHeader = "Hyperlink/Address";

// A block: <form>, the <select> line, the "Select Item" option, one option
// per item (empty ones too), </select>, </form>. Options are not closed.
Markup navigationMarkup(const NavigationFields& fields);

// The list's row count (header included) for a Number of Items text. Raises
// notAValidInteger for text that is not a whole number; the count is kept
// within 1 .. 32767 items, the range the up-down control offers.
int navigationGridRows(const std::string& itemsText);

}  // namespace markloom::tags
