#include "core/analysis/attribute_numbers.h"

namespace markloom {

std::vector<std::string_view> splitNames(std::string_view text) {
  std::vector<std::string_view> names;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t blank = text.find(' ', pos);
    const std::size_t end = blank == std::string_view::npos ? text.size() : blank;
    if (end > pos) names.push_back(text.substr(pos, end - pos));
    pos = end + 1;
  }
  return names;
}

}  // namespace markloom
