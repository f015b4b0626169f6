#include "core/sites/site_address.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "core/common/error.h"

namespace markloom {

namespace {
struct Scheme {
  std::string_view name;
  int port;
};
constexpr std::array<Scheme, 3> kSchemes{{{"ftp", 21}, {"ftps", 21}, {"sftp", 22}}};

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool percentDecode(std::string_view text, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return false;
    const int high = hexValue(text[i + 1]);
    const int low = hexValue(text[i + 2]);
    if (high < 0 || low < 0) return false;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out.find('\0') == std::string::npos;
}

// The address as a message may show it: a password in it is masked.
std::string shownAddress(const std::string& address) {
  const std::size_t start = address.find("://");
  if (start == std::string::npos) return address;
  const std::size_t end = std::min(address.find('/', start + 3), address.size());
  const std::size_t at = address.rfind('@', end);
  if (at == std::string::npos || at < start) return address;
  const std::size_t colon = address.find(':', start + 3);
  if (colon == std::string::npos || colon > at) return address;
  return address.substr(0, colon + 1) + "***" + address.substr(at);
}
}  // namespace

SiteAddress parseSiteAddress(const std::string& address) {
  auto bad = [&](const std::string& why) { return Error("Bad site address " + shownAddress(address) + ": " + why); };
  SiteAddress out;
  const std::size_t colon = address.find("://");
  if (colon == std::string::npos) throw bad("it must start with ftp://, ftps:// or sftp://");
  out.scheme = address.substr(0, colon);
  const Scheme* scheme = nullptr;
  for (const Scheme& known : kSchemes)
    if (known.name == out.scheme) scheme = &known;
  if (!scheme) throw bad("it must start with ftp://, ftps:// or sftp://");
  std::string_view rest = std::string_view(address).substr(colon + 3);
  const std::size_t slash = rest.find('/');
  std::string_view authority = rest.substr(0, slash);
  std::string_view path = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
  const std::size_t at = authority.rfind('@');
  if (at != std::string_view::npos) {
    const std::string_view user = authority.substr(0, at);
    if (user.find(':') != std::string_view::npos)
      throw bad("a password does not belong in the address (use the profile or MARKLOOM_PASSWORD)");
    if (!percentDecode(user, out.user)) throw bad("the user name is not well encoded");
    authority.remove_prefix(at + 1);
  }
  std::string_view port;
  if (authority.starts_with("[")) {
    const std::size_t close = authority.find(']');
    if (close == std::string_view::npos) throw bad("an unclosed [");
    out.host = std::string(authority.substr(1, close - 1));
    const std::string_view after = authority.substr(close + 1);
    if (!after.empty() && after[0] != ':') throw bad("text after ]");
    if (!after.empty()) port = after.substr(1);
  } else {
    const std::size_t portColon = authority.find(':');
    out.host = std::string(authority.substr(0, portColon));
    if (portColon != std::string_view::npos) port = authority.substr(portColon + 1);
  }
  if (out.host.empty()) throw bad("no server name");
  out.port = scheme->port;
  if (!port.empty() || authority.ends_with(":")) {
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), out.port);
    if (error != std::errc() || end != port.data() + port.size() || out.port < 1 || out.port > 65535)
      throw bad("the port must be a number from 1 to 65535");
  }
  if (!percentDecode(path, out.path)) throw bad("the path is not well encoded");
  while (!out.path.empty() && out.path.back() == '/') out.path.pop_back();
  return out;
}

}  // namespace markloom
