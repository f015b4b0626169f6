#include "core/wml/picture_files.h"

#include <cstdint>

namespace markloom {

namespace {

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// "http:", "mailto:" and the like: letters, digits, '+', '-', '.' before a
// colon, at least two of them so a drive letter is not taken for a scheme.
bool hasScheme(std::string_view s) {
  const auto colon = s.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  const char first = s[0];
  if (!((first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z'))) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const char c = s[i];
    const bool ok =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
    if (!ok) return false;
  }
  return true;
}

// A WBMP multi-byte integer: seven bits a byte, high bit set on all but the last.
std::optional<std::uint32_t> readMultiByte(std::string_view bytes, std::size_t& at) {
  std::uint32_t value = 0;
  for (int n = 0; n < 4; ++n) {
    if (at >= bytes.size()) return std::nullopt;
    const auto b = static_cast<unsigned char>(bytes[at++]);
    value = (value << 7) | (b & 0x7Fu);
    if ((b & 0x80u) == 0) return value;
  }
  return std::nullopt;  // longer than any picture size we accept
}

}  // namespace

std::string resolvePicturePath(std::string_view folder, std::string_view source) {
  std::string path;
  if (startsWith(source, "file://")) {
    source.remove_prefix(7);
    if (!startsWith(source, "/")) return {};  // file://host/... names another machine
  } else if (hasScheme(source)) {
    return {};
  }
  path.assign(source);
  for (char& c : path)
    if (c == '\\') c = '/';
  if (path.empty()) return {};
  if (path.front() == '/') return path;
  if (folder.empty()) return {};
  std::string joined(folder);
  if (joined.back() != '/') joined += '/';
  return joined + path;
}

std::optional<PixelSize> wbmpSize(std::string_view bytes) {
  std::size_t at = 0;
  const auto type = readMultiByte(bytes, at);
  if (!type || *type != 0) return std::nullopt;
  if (at >= bytes.size() || bytes[at++] != 0) return std::nullopt;  // fixed header: no extensions in type 0
  const auto width = readMultiByte(bytes, at);
  const auto height = readMultiByte(bytes, at);
  if (!width || !height || *width == 0 || *height == 0 || *width > 0xFFFF || *height > 0xFFFF) return std::nullopt;
  const std::uint64_t rowBytes = (*width + 7u) / 8u;
  if (bytes.size() - at != rowBytes * *height) return std::nullopt;
  return PixelSize{static_cast<int>(*width), static_cast<int>(*height)};
}

}  // namespace markloom
