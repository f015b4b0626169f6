#include "ui/app/recent_files_menu.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "core/common/command_ids.h"
#include "platform/settings/ini_settings_store.h"
#include "ui/app/main_window.h"

namespace markloom {

RecentFilesMenu::RecentFilesMenu(MainWindow* window) : QObject(window), window_(window), menu_(new QMenu(window)) {
  setObjectName("RecentFilesMenu");
  menu_->setObjectName("RecentFilesList");
  QAction* entry = window->action(ids::kRecentFiles);
  entry->setMenu(menu_);
  connect(menu_, &QMenu::aboutToShow, this, &RecentFilesMenu::rebuild);
  IniSettingsStore store;
  files_.load(store);
  rebuild();
}

void RecentFilesMenu::add(const QString& path) {
  if (path.isEmpty()) return;
  files_.add(QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString());
  IniSettingsStore store;
  files_.save(store);
  store.sync();
}

void RecentFilesMenu::rebuild() {
  menu_->clear();
  int number = 0;
  for (const std::string& stored : files_.paths()) {
    const QString path = QFile::decodeName(stored.c_str());
    ++number;
    // Numbered 1..9 and 0 for the tenth, as the keyboard reaches them.
    QString caption = QString("&%1 %2").arg(number % 10).arg(QString(path).replace('&', "&&"));
    QAction* item = menu_->addAction(caption);
    item->setData(path);
    item->setEnabled(QFileInfo(path).isFile());
    connect(item, &QAction::triggered, window_, [this, path] { window_->openOrActivate(path); });
  }
  if (number == 0) menu_->addAction("(none)")->setEnabled(false);
}

}  // namespace markloom
