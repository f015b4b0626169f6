#pragma once
// The rows of the HTML5 checks beyond element and attribute names: nesting,
// attribute values, ids and ARIA. Subjects are upper-case names like the rows
// of the name check; values and ids are quoted as written.
#include <string_view>
#include <vector>

#include "core/analysis/tag_checker.h"

namespace markloom::html5 {

inline constexpr std::string_view kError = "Error";
inline constexpr std::string_view kWarning = "Warning";

ValidationRow makeRow(std::string_view subject, std::string message, std::string_view type, int line);

// "ELEMENT NOT ALLOWED: <LI> IN <DIV>"
ValidationRow notAllowedRow(std::string_view child, std::string_view parent, int line);
// "ELEMENT NOT ALLOWED: <A> INSIDE <BUTTON>": a descendant the ancestor forbids
ValidationRow insideRow(std::string_view child, std::string_view ancestor, int line);
// "TEXT NOT ALLOWED IN <UL>"
ValidationRow textNotAllowedRow(std::string_view parent, int line);
// "MISSING ELEMENT: <TITLE> IN <HEAD>"
ValidationRow missingElementRow(std::string_view child, std::string_view parent, int line);
// "ELEMENT OUT OF ORDER: <CAPTION> IN <TABLE>"
ValidationRow outOfOrderRow(std::string_view child, std::string_view parent, int line);
// "ELEMENT MORE THAN ONCE: <MAIN>"
ValidationRow moreThanOnceRow(std::string_view element, int line);
// "UNCLOSED ELEMENT: <SPAN>"
ValidationRow unclosedRow(std::string_view element, int line);
// "STRAY END TAG: </DIV>"
ValidationRow strayEndTagRow(std::string_view element, int line);
// "BAD VALUE: WIDTH="50%" IN <IMG> (a whole number)"
ValidationRow badValueRow(std::string_view attribute, std::string_view value, std::string_view element,
                          std::string_view expected, int line, std::string_view type = kError);
// "MISSING PROPERTY: ALT IN <IMG>"
ValidationRow missingAttributeRow(std::string_view attribute, std::string_view element, int line);
// "PROPERTY NOT ALLOWED: MAXLENGTH IN <INPUT TYPE=checkbox>" and the like: a
// known attribute that the element's other attributes rule out.
ValidationRow attributeNotAllowedRow(std::string_view attribute, std::string_view where, int line);
// "DUPLICATE ID: intro"
ValidationRow duplicateIdRow(std::string_view id, int line);
// "NO SUCH ID: intro (FOR IN <LABEL>)"
ValidationRow missingIdRow(std::string_view id, std::string_view attribute, std::string_view element, int line);

}  // namespace markloom::html5
