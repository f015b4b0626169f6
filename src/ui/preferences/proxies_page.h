#pragma once
// Preferences ▸ Proxies: the proxy the web commands go through, and the
// Hostdeck's list of extensions that move as text.
#include "ui/preferences/preferences_page.h"

namespace markloom {

class ProxiesPage : public PreferencesPage {
  Q_OBJECT
 public:
  explicit ProxiesPage(QWidget* parent = nullptr);
};

}  // namespace markloom
