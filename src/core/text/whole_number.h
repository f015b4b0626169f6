#pragma once
// The one reader of whole numbers typed or stored as text: dialog fields, the
// Go to Line box, stored settings.
#include <string>

namespace markloom {

// Dialog fields take blanks before the number only; stored settings and the
// Go to Line box forgive blanks after it too.
enum class TrailingBlanks { Refused, Allowed };

// Decimal whole number with optional leading blanks and an optional sign,
// within the range of int. Raises notAValidInteger(text) otherwise.
int wholeNumber(const std::string& text, TrailingBlanks trailing = TrailingBlanks::Refused);

}  // namespace markloom
