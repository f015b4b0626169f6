#pragma once
// Web and mail addresses in a line of text, for highlighting.
#include <string_view>
#include <utility>
#include <vector>

namespace markloom {

// (start, length) of each address: http://, https://, ftp://, mailto:, file://
// and www. forms, up to the first blank, quote or angle bracket.
std::vector<std::pair<std::size_t, std::size_t>> findUrls(std::string_view line);

}  // namespace markloom
