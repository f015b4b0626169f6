#include "core/text/whole_number.h"

#include <climits>

#include "core/common/error.h"

namespace markloom {

int wholeNumber(const std::string& text, TrailingBlanks trailing) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t end = text.size();
  if (trailing == TrailingBlanks::Allowed)
    while (end > 0 && blank(text[end - 1])) --end;
  std::size_t i = 0;
  while (i < end && blank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == end) throw notAValidInteger(text);
  long long value = 0;
  for (; i < end; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') throw notAValidInteger(text);
    value = value * 10 + (c - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) throw notAValidInteger(text);
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) throw notAValidInteger(text);
  return static_cast<int>(value);
}

std::optional<std::vector<int>> positiveNumberList(const std::string& text) {
  const auto separator = [](char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::vector<int> numbers;
  std::size_t i = 0;
  while (i < text.size()) {
    if (separator(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && !separator(text[end])) ++end;
    try {
      const int n = wholeNumber(text.substr(i, end - i));
      if (n < 1) return std::nullopt;
      numbers.push_back(n);
    } catch (const Error&) {
      return std::nullopt;
    }
    i = end;
  }
  return numbers;
}

}  // namespace markloom
