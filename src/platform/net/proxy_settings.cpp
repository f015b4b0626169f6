#include "platform/net/proxy_settings.h"

#include "core/settings/settings_table.h"

namespace markloom {

std::optional<HttpProxy> proxyFromSettings(const SettingsSnapshot& settings) {
  HttpProxy proxy;
  proxy.host = settings.get(kProxyServer);
  if (proxy.host.empty()) return std::nullopt;
  if (const std::string& port = settings.get(kProxyPort); !port.empty()) proxy.port = port;
  proxy.user = settings.get(kProxyUsername);
  proxy.password = settings.get(kProxyPassword);
  return proxy;
}

}  // namespace markloom
