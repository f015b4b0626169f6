#pragma once
// The commands of the main window by category, for the toolbar
// customisation: one category per menu of the menu bar (File, Edit, ...),
// holding every command of that menu and its submenus in menu order. Lists
// the program fills as it runs (Recent Files, Open Documents) are no commands.
#include <QList>
#include <QString>

class QAction;
class QMenuBar;

namespace markloom {

struct CommandEntry {
  QAction* action;
  QString caption;  // the menu caption without "&", with the submenu it sits in: "0 (Bookmarks > Set)"
};

struct CommandCategory {
  QString name;  // the menu's caption without "&"
  QList<CommandEntry> commands;
};

QList<CommandCategory> commandCategories(const QMenuBar* bar);
// The command with that id in any category; nullptr when there is none.
QAction* findCommand(const QList<CommandCategory>& categories, const QString& id);
// A caption as shown without its accelerator marks ("&Save" gives "Save", "&&" gives "&").
QString plainCaption(const QString& caption);

}  // namespace markloom
