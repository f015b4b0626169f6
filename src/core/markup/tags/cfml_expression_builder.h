#pragma once
// The CFML Expression Builder's fixed parts: the operator buttons with the
// text each inserts, and the category tree with the file behind each leaf.
#include <string>
#include <string_view>
#include <vector>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct CfmlOperator {
  std::string_view caption;  // as the button shows it ("&&" shows one ampersand)
  std::string_view text;     // inserted into the expression
};
// The 17 buttons, left to right.
const std::vector<CfmlOperator>& cfmlOperators();

struct CfmlCategory {
  std::string_view group;  // top node: "Functions", "Constants", "Operators"
  std::string_view name;   // child node
  std::string_view file;   // relative to the program folder, written with '\'
};
// The 21 leaves, in tree order; leaves of one group are consecutive.
const std::vector<CfmlCategory>& cfmlCategories();

inline constexpr std::string_view kCfmlInitialEntry = "Please choose a type";
inline constexpr std::string_view kCfmlNoTypeMessage = "Please select a type first.";

struct CfmlExpressionFields {
  std::vector<std::string> lines;  // the expression as typed
  friend bool operator==(const CfmlExpressionFields&, const CfmlExpressionFields&) = default;
};

// A block: the expression's lines at the caret.
Markup cfmlExpressionMarkup(const CfmlExpressionFields& fields);

}  // namespace markloom::tags
