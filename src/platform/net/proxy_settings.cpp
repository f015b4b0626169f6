#include "platform/net/proxy_settings.h"

namespace markloom {

std::optional<HttpProxy> proxyFromSettings(const SettingsSnapshot& settings) {
  HttpProxy proxy;
  proxy.host = settings.value("Server");
  if (proxy.host.empty()) return std::nullopt;
  if (const std::string& port = settings.value("Port"); !port.empty()) proxy.port = port;
  proxy.user = settings.value("Username");
  proxy.password = settings.value("Password");
  return proxy;
}

}  // namespace markloom
