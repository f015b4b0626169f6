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
  QLineEdit* sizeLimit = dialogkit::namedEdit(this, "WebSizeLimit");
  QLineEdit* timeLimit = dialogkit::namedEdit(this, "WebTimeLimit");
  QLineEdit* textExtensions = wideEdit("HostdeckTextExtensions");
  textExtensions->setToolTip("Files with these extensions move as text when the Hostdeck's transfer type is Auto");
  dialogkit::addLabelled(grid, 0, "Proxy Server:", server);
  dialogkit::addLabelled(grid, 1, "Proxy Port:", port);
  dialogkit::addLabelled(grid, 2, "Proxy Username", username);
  dialogkit::addLabelled(grid, 3, "Proxy Password:", password);
  // The limits of Open from Web, the other setting of fetching from the web.
  dialogkit::addLabelled(grid, 4, "Open from Web size limit (MB):", sizeLimit);
  dialogkit::addLabelled(grid, 5, "Open from Web time limit (s):", timeLimit);
  dialogkit::addLabelled(grid, 6, "Hostdeck text extensions:", textExtensions);
  bindings_.bind(server, kProxyServer.row);
  bindings_.bind(port, kProxyPort.row);
  bindings_.bind(username, kProxyUsername.row);
  bindings_.bind(password, kProxyPassword.row);
  bindings_.bind(sizeLimit, kWebSizeLimit.row);
  bindings_.bind(timeLimit, kWebTimeLimit.row);
  bindings_.bind(textExtensions, kHostdeckTextExtensions.row);
  setContent("Proxies", grid);
}

}  // namespace markloom
