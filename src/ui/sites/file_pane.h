#pragma once
// One pane of the Hostdeck window: a header showing the folder, an "up"
// button, and the list of the folder's entries with the columns "Name",
// "Size", "Type" and "Last Modified", icons and descriptions from the
// desktop's file-type database, looked up by extension once and kept, so a
// long listing fills quickly. Several rows can be selected at once.
#include <QWidget>
#include <vector>

#include "core/sites/remote_listing.h"

class QLabel;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QKeyEvent;

namespace markloom {

class FilePane : public QWidget {
  Q_OBJECT
 public:
  enum class Order { FoldersFirst, ByName };
  // names: the object names of the header, the list and the up button.
  FilePane(const char* headerName, const char* listName, const char* upName, Order order, QWidget* parent = nullptr);

  void setFolder(const QString& folder);
  QString folder() const { return folder_; }
  // Replaces the rows; "." and ".." never appear.
  void setEntries(const std::vector<RemoteEntry>& entries);
  void clear();

  QTreeWidget* list() const { return list_; }
  QToolButton* upButton() const { return up_; }
  QLabel* header() const { return header_; }
  // The selected row's entry name and whether it is a folder; empty name when none.
  QString selectedName() const;
  bool selectedIsFolder() const;
  // Every selected row, in the list's order.
  struct Selected {
    QString name;
    bool folder = false;
  };
  std::vector<Selected> selectedEntries() const;
  // Whether the listing holds a file (not a folder) of that name.
  bool holdsFile(const QString& name) const;
  static bool isFolder(const QTreeWidgetItem* row);

 signals:
  void activated(const QString& name, bool folder);
  void selectionChanged();

 private:
  QLabel* header_;
  QToolButton* up_;
  QTreeWidget* list_;
  Order order_;
  QString folder_;
  QString listedFolder_;  // the folder the rows show
};

}  // namespace markloom
