#pragma once
// The proxy the user set in the settings (key "Proxies": Server, Port,
// Username, Password), as the network clients take it.
#include <optional>

#include "core/settings/settings_snapshot.h"
#include "platform/net/http_request.h"

namespace markloom {

// None when no server is set; the port is 80 unless the settings give another.
// Raises Error naming the field when the stored port is not a whole number
// from 1 to 65535 ("eighty"), so a bad store is a message, never a failure on
// the thread that fetches.
std::optional<HttpProxy> proxyFromSettings(const SettingsSnapshot& settings);

}  // namespace markloom
