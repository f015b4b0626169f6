#include "ui/preferences/proxies_page.h"

#include <QGridLayout>
#include <QLineEdit>

#include "core/settings/settings_table.h"
#include "ui/common/dialog_kit.h"

namespace markloom {

ProxiesPage::ProxiesPage(QWidget* parent) : PreferencesPage(parent) {
  auto* grid = new QGridLayout;
  QLineEdit* server = wideEdit("ProxyServer");
  QLineEdit* port = dialogkit::namedEdit(this, "ProxyPort");
  QLineEdit* username = wideEdit("ProxyUsername");
  QLineEdit* password = wideEdit("ProxyPassword");
  password->setEchoMode(QLineEdit::Password);
  QLineEdit* textExtensions = wideEdit("HostdeckTextExtensions");
  textExtensions->setToolTip("Files with these extensions move as text when the Hostdeck's transfer type is Auto");
  dialogkit::addLabelled(grid, 0, "Proxy Server:", server);
  dialogkit::addLabelled(grid, 1, "Proxy Port:", port);
  dialogkit::addLabelled(grid, 2, "Proxy Username", username);
  dialogkit::addLabelled(grid, 3, "Proxy Password:", password);
  dialogkit::addLabelled(grid, 4, "Hostdeck text extensions:", textExtensions);
  bindings_.bind(server, kProxyServer.row);
  bindings_.bind(port, kProxyPort.row);
  bindings_.bind(username, kProxyUsername.row);
  bindings_.bind(password, kProxyPassword.row);
  bindings_.bind(textExtensions, kHostdeckTextExtensions.row);
  setContent("Proxies", grid);
}

}  // namespace markloom
