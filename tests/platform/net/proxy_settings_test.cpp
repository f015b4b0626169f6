#include "platform/net/proxy_settings.h"

#include <gtest/gtest.h>

#include "core/common/error.h"
#include "core/settings/settings_table.h"

namespace markloom {
namespace {

// The port as stored (the store may have been edited by hand): a number the
// network library can take, or an error message naming the field; never a
// failure on the thread that fetches.
TEST(ProxyFromSettings, ThePortIsCheckedWhenRead) {
  struct Case {
    const char* name;
    const char* stored;
    long port;            // 0: refused
    const char* message;  // when refused
  };
  const Case cases[] = {
      {"none given", "", 80, ""},
      {"a port", "3128", 3128, ""},
      {"blanks around it", " 8080 ", 8080, ""},
      {"a word", "eighty", 0, "The proxy settings cannot be used. Proxy Port: 'eighty' is not a whole number."},
      {"digits then letters", "80x", 0, "The proxy settings cannot be used. Proxy Port: '80x' is not a whole number."},
      {"too large", "70000", 0, "The proxy settings cannot be used. Proxy Port: '70000' is not between 1 and 65535."},
      {"past any integer", "99999999999999999999", 0,
       "The proxy settings cannot be used. Proxy Port: '99999999999999999999' is not a whole number."},
      {"zero", "0", 0, "The proxy settings cannot be used. Proxy Port: '0' is not between 1 and 65535."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsSnapshot settings;
    settings.set(kProxyServer, "proxy.example");
    settings.set(kProxyPort, c.stored);
    if (c.port == 0) {
      try {
        proxyFromSettings(settings);
        ADD_FAILURE() << "accepted";
      } catch (const Error& e) {
        EXPECT_STREQ(e.what(), c.message);
      }
      continue;
    }
    const auto proxy = proxyFromSettings(settings);
    ASSERT_TRUE(proxy.has_value());
    EXPECT_EQ(proxy->host, "proxy.example");
    EXPECT_EQ(proxy->port, c.port);
  }
  // Without a server the port is not looked at.
  SettingsSnapshot none;
  none.set(kProxyPort, "eighty");
  EXPECT_FALSE(proxyFromSettings(none).has_value());
}

}  // namespace
}  // namespace markloom
