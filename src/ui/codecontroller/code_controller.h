#pragma once
// The "Code Controller" side panel: Files, Events, Objects, Characters, Favorites.
#include <QDockWidget>
#include <QStringList>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QTabWidget;
class QTableWidget;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;

namespace markloom {

class CodeController : public QDockWidget {
  Q_OBJECT
 public:
  explicit CodeController(QWidget* parent = nullptr);

  // Files tab.
  void setFolder(const QString& folder);  // tree and list follow; a missing folder changes nothing
  QString folder() const { return folder_; }
  void setMask(const QString& mask);
  void refreshFileList();
  QStringList listedFiles() const;  // file names shown, in order

  // Data of the other tabs.
  void setEvents(const QStringList& lines);
  void setCharacters(const QStringList& first, const QStringList& second);
  void setFavorites(const QStringList& addresses);

 signals:
  void fileActivated(const QString& path);  // double-click on the file list

 private:
  // Selects the listed folder in the tree and scrolls it into view.
  void revealFolder();
  void buildFilesTab();
  void openFileItem(QTreeWidgetItem* item);
  void openFavorite();

  QTabWidget* tabs_ = nullptr;
  QComboBox* filter_ = nullptr;
  QFileSystemModel* folderModel_ = nullptr;
  QTreeView* folderTree_ = nullptr;
  QTreeWidget* fileList_ = nullptr;
  QListWidget* events_ = nullptr;
  QTreeWidget* objects_ = nullptr;
  QTableWidget* characters_ = nullptr;
  QListWidget* favorites_ = nullptr;
  QString folder_;
  QString mask_ = "*.htm;*.html;*.shtml;*.asp;*.cfml";
};

}  // namespace markloom
