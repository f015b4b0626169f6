#include "core/markup/tags/page_transition_builder.h"

#include "core/common/error.h"

namespace markloom::tags {

const std::vector<Transition>& transitions() {
  static const std::vector<Transition> list = {
      {"Box In", 0},
      {"Box Out", 1},
      {"Circle In", 2},
      {"Circle Out", 3},
      {"Wipe Up", 4},
      {"Wipe Down", 5},
      {"Wipe Right", 6},
      {"Wipe Left", 7},
      {"Vertical Blinds", 8},
      {"Horizontal Blinds", 9},
      {"Checkerboard Across", 10},
      {"Checkerboard Down", 11},
      {"Split Vertical In", 13},
      {"Split Vertical Out", 14},
      {"Split Horizontal In", 15},
      {"Split Horizontal Out", 16},
      {"Strips Left Down", 17},
      {"Strips Left Up", 18},
      {"Strips Right Down", 19},
      {"Strips Right Up", 20},
      {"Random Bars Horizontal", 21},
      {"Random Bars Vertical", 22},
      {"Random", 23},
  };
  return list;
}

const std::vector<std::string>& transitionEvents() {
  static const std::vector<std::string> events = {"Page-Enter", "Page-Exit", "Site-Enter", "Site-Exit"};
  return events;
}

Check transitionCheck(const TransitionFields& f) {
  if (f.selected < 0 || f.selected >= static_cast<int>(transitions().size())) return refuse(kTransitionMissingMessage);
  return std::nullopt;
}

Markup transitionMarkup(const TransitionFields& f) {
  if (transitionCheck(f)) throw Error(std::string(kTransitionMissingMessage));
  // Whole seconds get ".0"; a time that already has a fraction is kept as it
  // is, so "2.5" stays a number instead of becoming "2.5.0".
  const std::string duration = f.time.find('.') == std::string::npos ? f.time + ".0" : f.time;
  return snippet("<meta http-equiv=\"" + f.event + "\" content=\"revealTrans(Duration=" + duration +
                 ",Transition=" + std::to_string(transitions()[f.selected].number) + ")\">");
}

}  // namespace markloom::tags
