#pragma once
// What a window keeps of its toolbars between runs: the commands on each
// toolbar, whether it shows, and for a main window the toolbars' places.
// The toolbars' contents when they are added are their default layout. An
// item is a command (an action named by its command id), a control the
// toolbar was built with (a box or a button, named by its object name) or a
// separator; ids that no longer name anything are skipped when restoring.
#include <QHash>
#include <QObject>
#include <QStringList>
#include <functional>
#include <string>

class QAction;
class QDialog;
class QToolBar;
class QWidget;
class QWidgetAction;

namespace markloom {

class SettingsStore;

class ToolbarLayout : public QObject {
  Q_OBJECT
 public:
  // Finds the command with that id; nullptr when there is none.
  using CommandLookup = std::function<QAction*(const QString& id)>;

  // key: the settings key ("Toolbars\\Settings", ...).
  ToolbarLayout(QWidget* window, std::string key, CommandLookup lookup);

  // Takes the toolbar's present contents as its default.
  void addToolbar(QToolBar* bar);
  const QList<QToolBar*>& toolbars() const { return toolbars_; }
  QToolBar* toolbar(const QString& name) const;

  // The id an entry of a toolbar is kept as ("-" for a separator).
  static QString itemId(const QAction* item);
  QStringList items(const QToolBar* bar) const;

  // Puts command on bar before the item at index (at the end for -1 or an
  // index past the end); a command already there moves.
  void insert(QToolBar* bar, QAction* command, int index = -1);
  void insertSeparator(QToolBar* bar, int index = -1);
  // Takes the item at index off bar.
  void remove(QToolBar* bar, int index);
  // Every toolbar back to its default commands, shown.
  void reset();

  // Reads what was kept; what is missing or damaged stays as it is.
  void restore(SettingsStore& store);
  void keep(SettingsStore& store) const;

 signals:
  void changed(QToolBar* bar);

 private:
  // Fills every toolbar anew from lists (by toolbar); a control the toolbar
  // was built with goes on one toolbar only.
  void rebuild(const QHash<const QToolBar*, QStringList>& lists);
  QAction* resolve(const QString& id, QList<QAction*>& placed) const;
  static void takeOff(QToolBar* bar, QAction* item);

  QWidget* window_;
  std::string key_;
  CommandLookup lookup_;
  QList<QToolBar*> toolbars_;
  QHash<const QToolBar*, QStringList> defaults_;
  QHash<QString, QWidgetAction*> controls_;  // the controls the toolbars were built with, by name
};

// The toolbar of a dialog kept under key: restored now, kept each time the
// dialog finishes; its context menu's "Customize..." (the action
// "CustomizeToolbars") opens the Customize dialog for it.
void keepDialogToolbar(QDialog* dialog, QToolBar* bar, const char* key);

}  // namespace markloom
