#pragma once
// The one reader of whole numbers typed or stored as text: dialog fields, the
// Go to Line box, stored settings.
#include <optional>
#include <string>
#include <vector>

namespace markloom {

// Dialog fields take blanks before the number only; stored settings and the
// Go to Line box forgive blanks after it too.
enum class TrailingBlanks { Refused, Allowed };

// Decimal whole number with optional leading blanks and an optional sign,
// within the range of int. Raises notAValidInteger(text) otherwise.
int wholeNumber(const std::string& text, TrailingBlanks trailing = TrailingBlanks::Refused);

// Positive whole numbers separated by commas and blanks ("9, 17"), in order;
// nullopt when any item is not one. Empty text, or separators only, give none.
std::optional<std::vector<int>> positiveNumberList(const std::string& text);

}  // namespace markloom
