#pragma once
// JSON output of text. 8-bit text: every byte is written as the Unicode code point
// of the same number (bytes read as Latin-1), so any input prints losslessly
// and a reader gets the bytes back by taking each code point as one byte.
#include <string>
#include <string_view>

namespace markloom {

// Appends a JSON string literal (with its quotes) for bytes.
void appendJsonString(std::string_view bytes, std::string& out);
// One member of an object: "{" for the first (",", for the others), the key,
// written as it stands, and the string literal for bytes.
void appendJsonMember(std::string_view key, std::string_view bytes, std::string& out, bool first = false);
// The same without the quotes, for a string written in slices.
void appendJsonStringBody(std::string_view bytes, std::string& out);
// Appends a JSON string literal for UTF-8 text, which passes through as it is.
void appendJsonUtf8String(std::string_view utf8, std::string& out);

}  // namespace markloom
