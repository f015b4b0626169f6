#include "core/webtools/proxy_bypass.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/document/ascii_case.h"

namespace markloom {

namespace {

// An IP address as 16 bytes (IPv4 in its IPv4-mapped IPv6 form) and whether
// it was written as IPv4, so prefix lengths can be read in its own family.
struct IpAddress {
  std::array<std::uint8_t, 16> bytes{};
  bool v4 = false;
};

std::optional<std::array<std::uint8_t, 4>> parseIpv4(std::string_view text) {
  std::array<std::uint8_t, 4> out{};
  std::size_t part = 0, at = 0;
  while (part < 4) {
    std::size_t digits = 0;
    unsigned value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 4) {
      value = value * 10 + static_cast<unsigned>(text[at] - '0');
      ++at;
      ++digits;
    }
    if (digits == 0 || digits > 3 || value > 255) return std::nullopt;
    out[part++] = static_cast<std::uint8_t>(value);
    if (part < 4) {
      if (at >= text.size() || text[at] != '.') return std::nullopt;
      ++at;
    }
  }
  if (at != text.size()) return std::nullopt;
  return out;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::array<std::uint8_t, 16>> parseIpv6(std::string_view text) {
  // Groups before and after a "::", the last group possibly a dotted IPv4.
  std::vector<std::uint16_t> head, tail;
  bool compressed = false;
  std::size_t at = 0;
  if (text.substr(0, 2) == "::") {
    compressed = true;
    at = 2;
  } else if (!text.empty() && text[0] == ':') {
    return std::nullopt;
  }
  std::optional<std::array<std::uint8_t, 4>> embedded;
  while (at < text.size()) {
    std::vector<std::uint16_t>& groups = compressed ? tail : head;
    const std::size_t end = std::min(text.find(':', at), text.size());
    const std::string_view group = text.substr(at, end - at);
    if (group.find('.') != std::string_view::npos) {
      if (end != text.size()) return std::nullopt;
      embedded = parseIpv4(group);
      if (!embedded) return std::nullopt;
      at = end;
      break;
    }
    if (group.empty() || group.size() > 4) return std::nullopt;
    unsigned value = 0;
    for (char c : group) {
      const int d = hexDigit(c);
      if (d < 0) return std::nullopt;
      value = value * 16 + static_cast<unsigned>(d);
    }
    groups.push_back(static_cast<std::uint16_t>(value));
    at = end;
    if (at == text.size()) break;
    if (text.substr(at, 2) == "::") {
      if (compressed) return std::nullopt;
      compressed = true;
      at += 2;
    } else {
      ++at;
      if (at == text.size()) return std::nullopt;  // a trailing single ':'
    }
  }
  const std::size_t written = head.size() + tail.size() + (embedded ? 2 : 0);
  if (written > 8 || (!compressed && written != 8) || (compressed && written == 8)) return std::nullopt;
  std::vector<std::uint16_t> all = head;
  all.resize(8 - tail.size() - (embedded ? 2 : 0), 0);
  all.insert(all.end(), tail.begin(), tail.end());
  std::array<std::uint8_t, 16> out{};
  for (std::size_t i = 0; i < all.size(); ++i) {
    out[2 * i] = static_cast<std::uint8_t>(all[i] >> 8);
    out[2 * i + 1] = static_cast<std::uint8_t>(all[i] & 0xff);
  }
  if (embedded)
    for (std::size_t i = 0; i < 4; ++i) out[12 + i] = (*embedded)[i];
  return out;
}

std::optional<IpAddress> parseIp(std::string_view text) {
  IpAddress ip;
  if (const auto v4 = parseIpv4(text)) {
    ip.v4 = true;
    ip.bytes[10] = ip.bytes[11] = 0xff;
    for (std::size_t i = 0; i < 4; ++i) ip.bytes[12 + i] = (*v4)[i];
    return ip;
  }
  if (const auto v6 = parseIpv6(text)) {
    ip.bytes = *v6;
    return ip;
  }
  return std::nullopt;
}

bool isV4Mapped(const IpAddress& ip) {
  for (std::size_t i = 0; i < 10; ++i)
    if (ip.bytes[i] != 0) return false;
  return ip.bytes[10] == 0xff && ip.bytes[11] == 0xff;
}

// Whether the first bits of a and b agree.
bool samePrefix(const IpAddress& a, const IpAddress& b, int bits) {
  for (int i = 0; i < bits; ++i) {
    const int mask = 0x80 >> (i % 8);
    if ((a.bytes[static_cast<std::size_t>(i / 8)] & mask) != (b.bytes[static_cast<std::size_t>(i / 8)] & mask))
      return false;
  }
  return true;
}

bool endsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

std::string_view withoutTrailingDot(std::string_view s) {
  if (!s.empty() && s.back() == '.') s.remove_suffix(1);
  return s;
}

// One no_proxy entry against a host (lower-cased, no brackets, no port).
bool entryMatches(std::string_view entry, std::string_view host, const std::optional<IpAddress>& hostIp) {
  if (entry.empty()) return false;
  if (entry == "*") return true;
  // "[::1]:8080", "[::1]", "example.com:8080", "10.0.0.0/8", ".example.com"
  if (entry.front() == '[') {
    const std::size_t close = entry.find(']');
    if (close == std::string_view::npos) return false;
    entry = entry.substr(1, close - 1);
  } else if (const std::size_t colon = entry.find(':');
             colon != std::string_view::npos && entry.find(':', colon + 1) == std::string_view::npos) {
    entry = entry.substr(0, colon);
  }
  int prefix = -1;
  if (const std::size_t slash = entry.find('/'); slash != std::string_view::npos) {
    const std::string_view bits = entry.substr(slash + 1);
    if (bits.empty() || bits.size() > 3 || bits.find_first_not_of("0123456789") != std::string_view::npos)
      return false;
    prefix = std::stoi(std::string(bits));
    entry = entry.substr(0, slash);
  }
  if (const auto entryIp = parseIp(entry)) {
    if (!hostIp) return false;
    if (prefix < 0) return hostIp->bytes == entryIp->bytes;
    const int limit = entryIp->v4 ? 32 : 128;
    if (prefix > limit) return false;
    return samePrefix(*hostIp, *entryIp, entryIp->v4 ? 96 + prefix : prefix);
  }
  if (prefix >= 0 || hostIp) return false;  // names never match an address
  while (!entry.empty() && entry.front() == '.') entry.remove_prefix(1);
  entry = withoutTrailingDot(entry);
  if (entry.empty()) return false;
  const std::string name = asciiLower(std::string(entry));
  return host == name || endsWith(host, "." + name);
}

}  // namespace

std::string urlHost(std::string_view url) {
  if (const std::size_t scheme = url.find("://"); scheme != std::string_view::npos) url.remove_prefix(scheme + 3);
  url = url.substr(0, std::min(url.find_first_of("/?#"), url.size()));
  if (const std::size_t at = url.rfind('@'); at != std::string_view::npos) url.remove_prefix(at + 1);
  std::string_view host;
  if (!url.empty() && url.front() == '[') {
    const std::size_t close = url.find(']');
    if (close == std::string_view::npos) return {};
    host = url.substr(1, close - 1);
    // A zone ("fe80::1%25eth0") is not part of the address.
    host = host.substr(0, std::min(host.find('%'), host.size()));
  } else {
    host = url.substr(0, std::min(url.find(':'), url.size()));
  }
  return asciiLower(std::string(host));
}

bool isLoopbackHost(std::string_view host) {
  const std::string name = asciiLower(std::string(withoutTrailingDot(host)));
  if (name == "localhost" || endsWith(name, ".localhost")) return true;
  const auto ip = parseIp(name);
  if (!ip) return false;
  if (ip->v4 || isV4Mapped(*ip)) return ip->bytes[12] == 127;
  std::array<std::uint8_t, 16> one{};
  one[15] = 1;
  return ip->bytes == one;
}

bool hostInNoProxyList(std::string_view host, std::string_view noProxy) {
  const std::string name = asciiLower(std::string(withoutTrailingDot(host)));
  if (name.empty()) return false;
  const std::optional<IpAddress> hostIp = parseIp(name);
  std::size_t at = 0;
  while (at < noProxy.size()) {
    const std::size_t end = std::min(noProxy.find_first_of(", \t", at), noProxy.size());
    if (entryMatches(noProxy.substr(at, end - at), name, hostIp)) return true;
    at = end + 1;
  }
  return false;
}

bool bypassesProxy(std::string_view url, std::string_view noProxy) {
  const std::string host = urlHost(url);
  return isLoopbackHost(host) || hostInNoProxyList(host, noProxy);
}

}  // namespace markloom
