#include "platform/net/proxy_settings.h"

#include "core/common/error.h"
#include "core/settings/preferences_values.h"
#include "core/settings/settings_table.h"

namespace markloom {

std::optional<HttpProxy> proxyFromSettings(const SettingsSnapshot& settings) {
  HttpProxy proxy;
  proxy.host = settings.get(kProxyServer);
  if (proxy.host.empty()) return std::nullopt;
  // The store may have been edited by hand: the port is checked by the same
  // rule Preferences applies before anything reaches the network.
  const std::string& port = settings.get(kProxyPort);
  if (const auto refused = refusedValue(kProxyPort.row, port))
    throw Error("The proxy settings cannot be used. " + *refused);
  if (const auto number = settings.number(kProxyPort)) proxy.port = *number;
  proxy.user = settings.get(kProxyUsername);
  proxy.password = settings.get(kProxyPassword);
  return proxy;
}

}  // namespace markloom
