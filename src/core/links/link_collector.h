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

// The same for a file read in pieces, so memory does not grow with its size:
// text between tags is not kept, and a tag is read from its first
// kLinkTagBytes (a longer tag is cut there). Raises cannotOpenFile(path)
// when the file cannot be read.
inline constexpr std::size_t kLinkTagBytes = std::size_t{1} << 20;
std::vector<FoundLink> collectLinksInFile(const std::string& path, const LinkOptions& options);

}  // namespace markloom
