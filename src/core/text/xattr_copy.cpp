#include "core/text/xattr_copy.h"

#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <vector>

namespace markloom {

namespace {

// The names in a list as the system returns it: each ends with a NUL. false
// with errno set when the list cannot be had.
template <typename List>
bool namesOf(List list, std::vector<std::string>& names) {
  names.clear();
  for (int attempt = 0; attempt < 8; ++attempt) {
    const ssize_t size = list(nullptr, 0);
    if (size < 0) return errno == ENOTSUP;  // no attributes on this file system
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
    const ssize_t got = list(buffer.data(), buffer.size());
    if (got < 0 && errno == ERANGE) continue;  // grew meanwhile
    if (got < 0) return false;
    for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
      const std::string_view name(buffer.data() + at);
      if (!name.empty()) names.emplace_back(name);
      at += name.size() + 1;
    }
    return true;
  }
  errno = EAGAIN;
  return false;
}

bool valueOf(const std::string& path, const std::string& name, std::vector<char>& value) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    const ssize_t size = ::getxattr(path.c_str(), name.c_str(), nullptr, 0);
    if (size < 0) return false;
    value.resize(static_cast<std::size_t>(size));
    const ssize_t got = ::getxattr(path.c_str(), name.c_str(), value.data(), value.size());
    if (got < 0 && errno == ERANGE) continue;
    if (got < 0) return false;
    value.resize(static_cast<std::size_t>(got));
    return true;
  }
  errno = EAGAIN;
  return false;
}

}  // namespace

int copyExtendedAttributes(const std::string& from, int to) {
  std::vector<std::string> wanted;
  std::vector<std::string> present;
  if (!namesOf([&](char* b, std::size_t n) { return ::listxattr(from.c_str(), b, n); }, wanted)) return errno;
  if (!namesOf([&](char* b, std::size_t n) { return ::flistxattr(to, b, n); }, present)) return errno;
  for (const std::string& name : present)
    if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() && ::fremovexattr(to, name.c_str()) != 0 &&
        errno != ENODATA)
      return errno;
  std::vector<char> value;
  for (const std::string& name : wanted) {
    if (!valueOf(from, name, value)) {
      if (errno == ENODATA) continue;  // removed meanwhile
      return errno;
    }
    if (::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0) return errno;
  }
  return 0;
}

}  // namespace markloom
