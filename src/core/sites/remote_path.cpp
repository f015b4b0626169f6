#include "core/sites/remote_path.h"

#include <vector>

namespace markloom {

std::string joinRemotePath(const std::string& folder, const std::string& path) {
  const std::string whole = !path.empty() && path[0] == '/' ? path : folder + "/" + path;
  std::vector<std::string> parts;
  std::size_t at = 0;
  while (at <= whole.size()) {
    const std::size_t slash = std::min(whole.find('/', at), whole.size());
    const std::string part = whole.substr(at, slash - at);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    at = slash + 1;
  }
  std::string out;
  for (const std::string& part : parts) out += "/" + part;
  return out.empty() ? "/" : out;
}

std::string encodeUrlPath(const std::string& path) {
  static const char* const kHex = "0123456789ABCDEF";
  std::string out;
  for (const char c : path) {
    const auto b = static_cast<unsigned char>(c);
    const bool plain = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '-' ||
                       b == '.' || b == '_' || b == '~' || b == '/';
    if (plain) {
      out += c;
    } else {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 15];
    }
  }
  return out;
}

}  // namespace markloom
