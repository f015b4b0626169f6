#pragma once
// File > Recent Files: the files opened or saved last, newest first. Entries
// whose file no longer exists are shown greyed; choosing one opens the file,
// or brings its window forward when it is open already.
#include <QObject>
#include <QString>

#include "core/workspace/recent_files.h"

class QMenu;

namespace markloom {

class MainWindow;

class RecentFilesMenu : public QObject {
  Q_OBJECT
 public:
  explicit RecentFilesMenu(MainWindow* window);

  // Records a file opened or saved, and keeps the list in the settings store.
  void add(const QString& path);
  const RecentFiles& files() const { return files_; }
  QMenu* menu() const { return menu_; }
  // Fills the menu from the list; run each time it is about to show.
  void rebuild();

 private:
  MainWindow* window_;
  QMenu* menu_;
  RecentFiles files_;
};

}  // namespace markloom
