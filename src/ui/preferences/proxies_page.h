#pragma once
// Preferences ▸ Proxies: the proxy the web commands go through.
#include "ui/preferences/preferences_page.h"

namespace markloom {

class ProxiesPage : public PreferencesPage {
  Q_OBJECT
 public:
  explicit ProxiesPage(QWidget* parent = nullptr);
};

}  // namespace markloom
