#pragma once
// Edit ▸ "Prefere&nces": runs the Preferences dialog, writes what OK confirms,
// then (after OK or Cancel) reloads the settings and offers to apply them to
// every open document.
#include <QObject>

class QAction;

namespace markloom {

class Workbench;

class PreferencesCommands : public QObject {
  Q_OBJECT
 public:
  // Runs on command; owned by the workbench's main widget.
  PreferencesCommands(Workbench& workbench, QAction* command);

 public slots:
  void editPreferences();

 private:
  void updateOpenDocuments();
  Workbench& workbench_;
};

}  // namespace markloom
