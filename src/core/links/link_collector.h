#pragma once
// The links of a page: the attribute values the Link Validator checks, in
// document order (tag order, then attribute order), duplicates kept.
#include <string>
#include <string_view>
#include <vector>

namespace markloom {

struct LinkOptions {
  bool hyperlinks = true;  // A HREF
  bool images = true;      // IMG SRC
  bool scripts = true;     // SCRIPT SRC
  bool objects = false;    // EMBED SRC
  // Today's web on top of the classic rules: https, case-blind schemes,
  // relative paths, fragments, more statuses, redirects, retries.
  bool modern = true;
};

struct FoundLink {
  std::string link;  // the attribute value as the tokenizer gives it
  int line = 0;      // zero-based line of its tag
};

// The links of a page's bytes, read with the tag tokenizer, piece by piece.
std::vector<FoundLink> collectLinks(std::string_view page, const LinkOptions& options);

}  // namespace markloom
