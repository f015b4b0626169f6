#pragma once
// Remote folder paths of the transfer client: always absolute, "/"-separated.
#include <string>

namespace markloom {

// folder joined with path ("c", "..", "../d", "/x"): absolute and normalised,
// "/" at the top; ".." at the top stays at the top.
std::string joinRemotePath(const std::string& folder, const std::string& path);
// A path or a name with every byte but unreserved ones and "/" percent-encoded,
// for a URL.
std::string encodeUrlPath(const std::string& path);

}  // namespace markloom
