#pragma once
// The fixed table of HTML elements and the attribute names each permits, and
// the list of superseded elements. Names are upper case and compared byte for
// byte.
#include <array>
#include <string_view>
#include <vector>

namespace markloom {

// Permitted wherever a rule includes the common set. DIR is not among them.
const std::array<std::string_view, 14>& commonAttributes();

// FONT, CENTER, BASEFONT, S, STRIKE, U, APPLET, DIR, ISINDEX, MENU.
const std::array<std::string_view, 10>& supersededElements();

struct ElementRule {
  std::string_view element;
  std::vector<std::string_view> own;  // the rule's own names, as listed
  bool common = false;                // the common set is permitted too
};

// The 83 rules, in table order.
const std::vector<ElementRule>& elementRules();

// What the checker needs to know about one element name.
struct ElementInfo {
  int rule = -1;  // index into elementRules(), -1 without a rule
  bool superseded = false;
  bool hasRule() const { return rule >= 0; }
  bool permits(std::string_view attributeName) const;
};

class ElementTable {
 public:
  static const ElementTable& instance();
  // nullptr when the name has no rule and is not superseded (the common case
  // for closing tags and unknown names).
  const ElementInfo* find(std::string_view elementName) const;
};

}  // namespace markloom
