#pragma once
// The markup commands: fills the Insert and Format menus, the Formatting
// toolbar and the tag bar's tabs from the command catalog, and runs the
// one-click commands on the active document.
//
// Every command has one QAction, named by its command id (ids::kBold,
// ids::kAlignCenter, ...); menu entries show it, and every toolbar button
// (named as in the catalog) triggers it. Dialog commands get their action
// too, unconnected: the tag dialog commands connect to it. A box value (a
// font name, a typed tag) goes into the document in the document's encoding.
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

class Document;
class Workbench;

namespace markup {
struct Command;
enum class MenuId;
}  // namespace markup

class MarkupCommands : public QObject {
  Q_OBJECT
 public:
  // Where the commands find the document they act on; nullptr when none is open.
  using DocumentSource = std::function<Document*()>;

  // Builds into the program's menus and bars; acts on its active document.
  explicit MarkupCommands(Workbench& workbench);
  // Builds into the menus (ids::kInsertMenu, ids::kFormatMenu) and toolbars
  // (ids::kFormattingBar, ids::kCommonTab, ...) found by object name under host.
  MarkupCommands(QWidget* host, DocumentSource source);

  // Runs a one-click command as its entry does, e.g. run(ids::kBold); value
  // is the box text for the box commands. With no document open nothing
  // happens. Returns false for ids that are not one-click commands.
  bool run(std::string_view id, const QString& value = {});

 private:
  void build();
  void buildBar(QToolBar* bar, const markup::Command& command);
  QAction* commandAction(const markup::Command& command);
  QMenu* menuFor(markup::MenuId id);
  void execute(const markup::Command& command, const QString& value);

  QWidget* host_;
  DocumentSource source_;
  std::function<void()> refocus_;     // gives the document the keyboard back after a command
  QHash<QString, QAction*> actions_;  // by command id
  QHash<int, QMenu*> menus_;          // by MenuId
  QComboBox* tagBox_ = nullptr;
};

}  // namespace markloom
