#pragma once
// Which files move as text: the "Auto" transfer type sends the extensions of
// a list (htm, html, css, ...) in ASCII and everything else in Binary, so
// images and archives arrive byte for byte.
#include <string>
#include <string_view>
#include <vector>

namespace markloom {

// The list a new installation starts with.
inline constexpr const char* kDefaultTextExtensions =
    "htm, html, shtml, xhtml, css, js, php, php3, asp, aspx, jsp, cfm, txt, xml, xsl, wml, wmls, pl, cgi, py, "
    "sh, csv, svg, json, ini, htaccess";

// The extensions of a list written with commas, semicolons or blanks between
// them; a leading "." or "*." is ignored, case is folded.
std::vector<std::string> parseTextExtensions(std::string_view list);

// Whether name ends in one of the extensions (case-insensitively). A name
// that is only an extension (".htaccess") counts as having it.
bool isTextName(std::string_view name, const std::vector<std::string>& extensions);

}  // namespace markloom
