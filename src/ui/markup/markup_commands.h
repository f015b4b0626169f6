#pragma once
// The markup commands: fills the Insert and Format menus, the Formatting
// toolbar and the tag bar's tabs from the command catalog, and runs the
// one-click commands on the active document.
//
// Every command has one QAction, named after its handler without "Click"
// ("Bold1", "LeftBtn", "ToolbarButton976"); menu entries show it, and every
// toolbar button (named as in the catalog) triggers it. Dialog commands get
// their action too, unconnected: the dialog's own command group connects to it.
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <string_view>

class QAction;
class QComboBox;
class QMenu;
class QToolBar;
class QWidget;

namespace markloom {

class EditorOps;
class MainWindow;

namespace markup {
struct Command;
enum class MenuId;
}  // namespace markup

class MarkupCommands : public QObject {
  Q_OBJECT
 public:
  // Where the commands find the document they act on; nullptr when none is open.
  using DocumentSource = std::function<EditorOps*()>;

  // Builds into the main window's menus and bars; acts on its active document.
  explicit MarkupCommands(MainWindow* form);
  // Builds into the menus ("Insert1", "Format1") and toolbars ("Formatting",
  // "CommonTab", ...) found by object name under host.
  MarkupCommands(QWidget* host, DocumentSource source);

  // Runs a one-click command as its entry does, e.g. run("Bold1Click"); value
  // is the box text for the box commands. With no document open nothing
  // happens. Returns false for names that are not one-click commands.
  bool run(std::string_view handler, const QString& value = {});

 private:
  void build();
  void buildBar(QToolBar* bar, const markup::Command& command);
  QAction* commandAction(const markup::Command& command);
  QMenu* menuFor(markup::MenuId id);
  void execute(const markup::Command& command, const QString& value);

  QWidget* host_;
  DocumentSource source_;
  std::function<void()> refocus_;  // gives the document the keyboard back after a command
  QHash<QString, QAction*> actions_;  // by command key
  QHash<int, QMenu*> menus_;          // by MenuId
  QComboBox* tagBox_ = nullptr;
};

}  // namespace markloom
