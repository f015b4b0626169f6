#pragma once
// "Customize": the commands of the main window by category (the menus), and
// the commands on each toolbar. A command goes onto a toolbar by dragging it
// there (onto the toolbar itself or onto the toolbar's list here) or with
// "Add"; "Remove", or dragging an entry of the toolbar's list back onto the
// commands, takes it off; "Reset" brings every toolbar back to its default.
// Changes show on the toolbars at once. The dialog is modeless, so the
// toolbars of the main window take drops while it is open.
#include <QDialog>
#include <QList>
#include <QPointer>

#include "ui/toolbars/command_categories.h"

class QComboBox;
class QListWidget;
class QMenuBar;
class QMimeData;
class QPushButton;
class QToolBar;

namespace markloom {

class ToolbarLayout;

// What a drag from the dialog carries.
inline constexpr const char* kCommandMime = "application/x-markloom-command";  // a command id
inline constexpr const char* kToolbarItemMime =
    "application/x-markloom-toolbar-item";  // the id of the dragged entry of the shown toolbar

class CustomizeDialog : public QDialog {
  Q_OBJECT
 public:
  CustomizeDialog(ToolbarLayout& layout, QList<CommandCategory> categories, QWidget* parent = nullptr);
  ~CustomizeDialog() override;

  // Shows the dialog for window's toolbars with the commands of menus, or
  // brings forward the one already open; it goes when it is closed.
  static CustomizeDialog* open(QWidget* window, ToolbarLayout& layout, const QMenuBar* menus);

  QListWidget* categoryList() const { return categories_; }
  QListWidget* commandList() const { return commands_; }
  QComboBox* toolbarBox() const { return toolbarBox_; }
  QListWidget* toolbarList() const { return toolbarItems_; }

  // Selects a category and a command in it by caption; false when there is none.
  bool selectCommand(const QString& category, const QString& caption);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showCategory(int row);
  void showToolbar();
  QToolBar* shownToolbar() const;
  QAction* selectedCommand() const;
  void addSelected();
  void addSeparator();
  void removeSelected();
  void resetAll();
  void updateButtons();
  // A drop of a command onto bar before the item at index (-1: at the end).
  void dropCommand(QToolBar* bar, const QMimeData* payload, int index);

  QPointer<ToolbarLayout> layout_;
  QList<CommandCategory> categoryData_;
  QList<QPointer<QToolBar>> watched_;
  QListWidget* categories_ = nullptr;
  QListWidget* commands_ = nullptr;
  QComboBox* toolbarBox_ = nullptr;
  QListWidget* toolbarItems_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* separator_ = nullptr;
  QPushButton* remove_ = nullptr;
};

}  // namespace markloom
