#pragma once
// A font as the card preview uses it: family, whole point size and the three
// styles a card can switch on and off.
#include <string>

namespace markloom {

struct WmlFont {
  std::string family;
  int points = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const WmlFont&, const WmlFont&) = default;
};

}  // namespace markloom
