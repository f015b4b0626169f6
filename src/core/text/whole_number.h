#pragma once
// Number fields of the tag dialogs are plain text boxes; their text is read as
// a whole number when it changes, and text that is not one is reported.
#include <string>

namespace markloom {

// Decimal whole number with optional leading blanks and an optional sign,
// within the range of int. Raises notAValidInteger(text) otherwise.
int wholeNumber(const std::string& text);

}  // namespace markloom
