#pragma once
// The entries of a document window's Highlighters box, in order, and the
// scheme file (under Extensions/schemes) each one loads. The last three
// entries have no file: a line of underscores and an empty one change
// nothing, and "Other..." lets the user choose a scheme file (the document
// window asks for it).
#include <string_view>
#include <vector>

namespace markloom {

struct HighlighterEntry {
  std::string_view caption;
  std::string_view schemeFile;  // empty: choosing the entry changes nothing
};

const std::vector<HighlighterEntry>& highlighterEntries();
// The scheme file of the entry whose caption equals text exactly; empty when
// there is none.
std::string_view schemeFileFor(std::string_view text);

}  // namespace markloom
