#pragma once
// A card with one of each kind of item the viewer shows, for the viewer tests.
#include <string>
#include <vector>

namespace markloom::test {

inline std::vector<std::string> sampleCardLines() {
  return {
      "<card id=\"main\" title=\"Sample\">",
      "<p>",
      "<big>Welcome</big>",
      "Plain text here<br/>",
      "<go href=\"#next\">Next card</go><br/>",
      "<hr>",
      "<input/>",
      "<select><option>One</option><option>Two</option></select>",
      "<b>Bold</b> <i>end</i></p>",
      "</card>",
  };
}

inline std::string sampleCard() {
  std::string out;
  for (const auto& line : sampleCardLines()) out += line + "\r\n";
  return out;
}

}  // namespace markloom::test
