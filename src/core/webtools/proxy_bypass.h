#pragma once
// Whether a request goes past the configured proxy: loopback addresses
// (localhost, 127.0.0.0/8, ::1) never reach a proxy, nor do the hosts of a
// no_proxy list, read the way curl reads it.
#include <string>
#include <string_view>

namespace markloom {

// The host part of an address ("http://user@Host:8080/x" -> "host"), lower-
// cased, without the brackets of an IPv6 literal; empty when there is none.
std::string urlHost(std::string_view url);

// localhost and its subdomains, 127.0.0.0/8, ::1 (also as ::ffff:127.x.y.z).
bool isLoopbackHost(std::string_view host);

// noProxy: entries separated by commas or blanks. "*" alone matches every
// host; a name matches itself and its subdomains (a leading dot is ignored);
// an IP address matches itself and "a.b.c.d/n" or "x::y/n" match a range.
// Ports written on entries are ignored.
bool hostInNoProxyList(std::string_view host, std::string_view noProxy);

// The decision for one request: true when it goes straight to the server.
bool bypassesProxy(std::string_view url, std::string_view noProxy);

}  // namespace markloom
