#pragma once
// The parts of a web page that are markup rather than prose, so the spell
// checker can leave them out: tags with their attributes (a quoted value may
// hold ">"), comments, processing and server blocks (<? ?>, <% %>), the
// content of script and style elements, and character references (&nbsp;,
// &#169;). A "<" not followed by a tag name, "/", "!", "?" or "%" is text.
#include <cstddef>
#include <string_view>
#include <vector>

namespace markloom {

struct ByteSpan {
  std::size_t begin = 0, end = 0;  // [begin, end) in bytes
  friend bool operator==(const ByteSpan&, const ByteSpan&) = default;
};

// In text order, not overlapping. An element or block left open runs to the end.
std::vector<ByteSpan> markupSpans(std::string_view text);

}  // namespace markloom
