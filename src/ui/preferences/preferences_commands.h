#pragma once
// Edit ▸ "&Preferences": runs the Preferences dialog, writes what OK confirms,
// then (after OK or Cancel) reloads the settings and offers to apply them to
// every open document.
#include <QList>
#include <QObject>
#include <functional>

#include "core/settings/settings_snapshot.h"

class QAction;
class QWidget;

namespace markloom {

class DocumentWindow;

class PreferencesCommands : public QObject {
  Q_OBJECT
 public:
  // What the command needs of the program around it.
  struct Host {
    // The program's window: the dialog's parent and its messages' caption.
    QWidget* window = nullptr;
    // The settings as last read from the store.
    std::function<const SettingsSnapshot&()> settings;
    // Reads the store into settings() again; errors propagate.
    std::function<void()> loadSettings;
    // Every open document window.
    std::function<QList<DocumentWindow*>()> documents;
  };

  // Runs on command; owned by host.window.
  PreferencesCommands(Host host, QAction* command);

 public slots:
  void editPreferences();

 private:
  void updateOpenDocuments();
  Host host_;
};

}  // namespace markloom
