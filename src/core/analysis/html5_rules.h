#pragma once
// The HTML5 rule set: every element of today's HTML with the attribute names
// it permits besides the global ones, the attribute names it still recognises
// as obsolete, and the obsolete elements. Names are upper case and compared
// byte for byte (the checker upper-cases what it reads). Beyond the tables,
// every element permits data-*, aria-* and on* (event handler) names.
#include <string_view>
#include <vector>

namespace markloom {

// Permitted on every element.
const std::vector<std::string_view>& html5GlobalAttributes();

// Obsolete elements: reported as superseded, their attributes not checked.
const std::vector<std::string_view>& html5SupersededElements();

struct Html5Rule {
  std::string_view element;
  std::vector<std::string_view> own;       // permitted besides the global names
  std::vector<std::string_view> obsolete;  // recognised but obsolete
  bool anyAttribute = false;               // any other name is permitted too (embed, svg, math)
};

// One rule per current element, in table order.
const std::vector<Html5Rule>& html5Rules();

enum class AttributeStatus { Permitted, Obsolete, Unknown };

// data-*, aria-* and on* names: permitted on every element. upperName is
// upper case.
bool isPatternAttribute(std::string_view upperName);

namespace html5 {
struct ElementShape;
}

// What the checker needs to know about one element name.
struct Html5Element {
  const html5::ElementShape* shape = nullptr;  // its content model; nullptr for an obsolete element
  int rule = -1;                               // index into html5Rules(); -1 for an obsolete element
  bool superseded = false;
  bool isVoid = false;       // a trailing "/" is accepted
  bool rawText = false;      // its content is text up to its end tag
  bool foreignRoot = false;  // svg or math: what it holds follows other rules
  AttributeStatus attribute(std::string_view upperName) const;
};

class Html5Table {
 public:
  static const Html5Table& instance();
  // nullptr for a name that is no element of HTML5.
  const Html5Element* find(std::string_view upperName) const;
};

}  // namespace markloom
