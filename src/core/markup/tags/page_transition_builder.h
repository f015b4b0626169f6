#pragma once
// The page-transition meta tag: an event, a duration and one of the
// revealTrans transitions by number.
#include <string>
#include <string_view>
#include <vector>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

struct Transition {
  std::string_view name;
  int number;
};
// The 23 entries of the Type list, in list order (12, random dissolve, has none).
const std::vector<Transition>& transitions();
const std::vector<std::string>& transitionEvents();

inline constexpr std::string_view kTransitionNote =
    "This feature will only work with version 4.0 and above of Microsoft Internet Explorer.  Netscape users "
    "will see only the normal page.";
inline constexpr std::string_view kTransitionMissingMessage = "Please select a transition type.";

struct TransitionFields {
  std::string event = "Page-Enter";
  std::string time = "1";
  int selected = -1;  // index into transitions(); -1: none selected
  friend bool operator==(const TransitionFields&, const TransitionFields&) = default;
};

// Refuses fields with no transition selected.
Check transitionCheck(const TransitionFields& fields);
// A snippet. Raises an Error with the check's message for fields it refuses.
Markup transitionMarkup(const TransitionFields& fields);

}  // namespace markloom::tags
