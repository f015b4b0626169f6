#pragma once
// Character references in running text: the named table (the four markup
// escapes plus the Latin-1 names), the code-to-character table used for
// numeric references, and the decoder.
#include <array>
#include <string>
#include <string_view>

namespace markloom {

struct NamedReference {
  std::string_view name;     // with '&' and ';', exact letter case
  std::string_view numeric;  // "&#NNN;"
};

// 100 entries: &quot; &amp; &lt; &gt;, then &nbsp; (160) .. &yuml; (255) in code order.
const std::array<NamedReference, 100>& namedReferences();

// The character that replaces a numeric reference to each code: the code
// itself, except control codes 0..31 and the no-break space 160, which become a blank.
const std::array<char, 256>& referenceCharacters();

// The text with every resolvable reference replaced. A reference
// runs from '&' up to the first ';' or blank (which belongs to it); numeric ones
// take at most three characters after "&#" ("x"/"X" counted) and a value up to
// 255; named ones must match the table exactly. Anything else stays as written,
// and a decoded character is never examined again.
// Decoding only ever shortens the text, so it can work in place.
void decodeReferencesInPlace(std::string& text);
std::string decodeReferences(std::string_view text);

}  // namespace markloom
