#pragma once
// Edit ▸ "&Preferences": runs the Preferences dialog, writes what OK confirms,
// then (after OK or Cancel) reloads the settings and offers to apply them to
// every open document.
#include <QObject>

namespace markloom {

class MainWindow;

class PreferencesCommands : public QObject {
  Q_OBJECT
 public:
  explicit PreferencesCommands(MainWindow* window);

 public slots:
  void editPreferences();

 private:
  void updateOpenDocuments();
  MainWindow* window_;
};

}  // namespace markloom
