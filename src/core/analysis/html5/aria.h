#pragma once
// ARIA as HTML uses it: the roles, the aria-* states and properties with the
// values each takes, the properties a role requires, and the roles each
// element may take.
#include <string_view>
#include <vector>

namespace markloom::html5 {

enum class AriaValue { TrueFalse, TrueFalseUndefined, Tristate, IdRef, IdRefs, Integer, Number, String, Token, Tokens };

struct AriaAttribute {
  std::string_view name;  // upper case
  AriaValue value;
  std::vector<std::string_view> tokens;  // for Token and Tokens
};

// nullptr for an aria-* name ARIA does not define.
const AriaAttribute* findAriaAttribute(std::string_view upperName);
bool ariaValueConforms(const AriaAttribute& attribute, std::string_view value);
// What a value of this kind looks like, for the row.
std::string_view ariaExpected(AriaValue value);

// A concrete role (lower case, as written); abstract roles are not.
bool isAriaRole(std::string_view role);
// The aria-* names (upper case) a role requires of an element that does not
// supply the state itself.
const std::vector<std::string_view>& requiredAriaAttributes(std::string_view role);

enum class RoleFit { Allowed, Redundant, NotAllowed };
// Whether an element (upper case; inputType lower case for input) may take
// the role. Redundant: the element has that role already.
RoleFit roleFit(std::string_view element, std::string_view inputType, bool hasHref, std::string_view role);

}  // namespace markloom::html5
