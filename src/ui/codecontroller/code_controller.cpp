#include "ui/codecontroller/code_controller.h"

#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "core/workspace/file_mask.h"
#include "ui/codecontroller/objects_tree.h"

namespace markloom {

namespace {
constexpr int kCharacterRows = 91;  // the heading row included
const char* const kFilterEntries[] = {
    "*.*", "*.htm;*.html;*.shtml;*.asp;*.cfml", "*.php;*.phtml;*.php3;*.php4", "*.js", "*.vb", "*.pl;*.cgi", "*.pas"};
}  // namespace

CodeController::CodeController(QWidget* parent) : QDockWidget("Code Controller", parent) {
  setObjectName("CodeController");
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("CodeControllerTabs");
  tabs_->setUsesScrollButtons(false);
  buildFilesTab();

  events_ = new QListWidget;
  events_->setObjectName("EventsList");
  tabs_->addTab(events_, "Events");

  objects_ = new QTreeWidget;
  objects_->setObjectName("ObjectsTree");
  objects_->setHeaderHidden(true);
  fillObjectsTree(objects_);
  tabs_->addTab(objects_, "Objects");

  characters_ = new QTableWidget(kCharacterRows - 1, 2);
  characters_->setObjectName("CharactersGrid");
  characters_->setSelectionBehavior(QAbstractItemView::SelectRows);
  characters_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  characters_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  characters_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  characters_->verticalHeader()->hide();
  characters_->verticalHeader()->setDefaultSectionSize(16);
  characters_->horizontalHeader()->setFixedHeight(16);
  characters_->setColumnWidth(0, 78);
  characters_->setColumnWidth(1, 80);
  tabs_->addTab(characters_, "Characters");

  favorites_ = new QListWidget;
  favorites_->setObjectName("FavoritesList");
  connect(favorites_, &QListWidget::itemDoubleClicked, this, [this] { openFavorite(); });
  tabs_->addTab(favorites_, "Favorites");

  tabs_->setCurrentIndex(0);
  setWidget(tabs_);
}

void CodeController::buildFilesTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  filter_ = new QComboBox;
  filter_->setObjectName("FilterComboBox");
  filter_->setEditable(true);
  for (const char* entry : kFilterEntries) filter_->addItem(entry);
  filter_->setCurrentText(mask_);
  // Every change of the text, typed or chosen, becomes the mask at once.
  connect(filter_, &QComboBox::editTextChanged, this, &CodeController::setMask);
  layout->addWidget(filter_);

  folderModel_ = new QFileSystemModel(this);
  // The model reads folders in the background: once the listed folder's
  // parents are read, the tree can select it and scroll to it.
  connect(folderModel_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
    if (!folder_.isEmpty() && (folder_ == loaded || folder_.startsWith(loaded))) revealFolder();
  });
  folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folderModel_->setRootPath("/");
  folderTree_ = new QTreeView;
  folderTree_->setObjectName("FolderTree");
  folderTree_->setModel(folderModel_);
  for (int c = 1; c < folderModel_->columnCount(); ++c) folderTree_->hideColumn(c);
  folderTree_->setHeaderHidden(true);
  connect(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            const QString path = folderModel_->filePath(current);
            if (!path.isEmpty() && path != folder_) {
              folder_ = path;
              refreshFileList();
            }
          });

  fileList_ = new QTreeWidget;
  fileList_->setObjectName("RzFileListBox1");
  fileList_->setHeaderLabels({"Name", "Size", "Date", "Time"});
  fileList_->setRootIsDecorated(false);
  fileList_->setSortingEnabled(false);
  connect(fileList_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { openFileItem(item); });

  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->setObjectName("FilesSplitter");
  splitter->addWidget(folderTree_);
  splitter->addWidget(fileList_);
  splitter->setSizes({114, 300});
  layout->addWidget(splitter);
  tabs_->addTab(page, "Files");
}

void CodeController::setFolder(const QString& folder) {
  const QFileInfo info(folder);
  if (folder.isEmpty() || !info.isDir()) return;
  folder_ = info.absoluteFilePath();
  revealFolder();
  refreshFileList();
}

void CodeController::revealFolder() {
  const QModelIndex index = folderModel_->index(folder_);
  if (!index.isValid()) return;
  folderTree_->setCurrentIndex(index);
  folderTree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void CodeController::setMask(const QString& mask) {
  mask_ = mask;
  refreshFileList();
}

void CodeController::refreshFileList() {
  fileList_->clear();
  if (folder_.isEmpty()) return;
  const FileMask mask(mask_.toStdString());
  QDir dir(folder_);
  const auto entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
  QList<QTreeWidgetItem*> items;
  for (const QFileInfo& info : entries) {
    if (!mask.matches(info.fileName().toStdString())) continue;
    auto* item = new QTreeWidgetItem;
    const QDateTime modified = info.lastModified();
    item->setText(0, info.fileName());
    item->setText(1, QString::number(info.size()));
    item->setText(2, modified.toString("yyyy-MM-dd"));
    item->setText(3, modified.toString("HH:mm:ss"));
    item->setData(0, Qt::UserRole, info.absoluteFilePath());
    items.append(item);
  }
  fileList_->addTopLevelItems(items);
}

QStringList CodeController::listedFiles() const {
  QStringList names;
  for (int i = 0; i < fileList_->topLevelItemCount(); ++i) names << fileList_->topLevelItem(i)->text(0);
  return names;
}

void CodeController::openFileItem(QTreeWidgetItem* item) {
  if (item) emit fileActivated(item->data(0, Qt::UserRole).toString());
}

void CodeController::setEvents(const QStringList& lines) {
  events_->clear();
  events_->addItems(lines);
}

void CodeController::setCharacters(const QStringList& first, const QStringList& second) {
  // The first line of each file is the heading; 90 more rows at most are shown.
  characters_->setHorizontalHeaderLabels({first.value(0), second.value(0)});
  for (int row = 1; row < kCharacterRows; ++row) {
    characters_->setItem(row - 1, 0, new QTableWidgetItem(first.value(row)));
    characters_->setItem(row - 1, 1, new QTableWidgetItem(second.value(row)));
  }
}

void CodeController::setFavorites(const QStringList& addresses) {
  favorites_->clear();
  favorites_->addItems(addresses);
}

void CodeController::openFavorite() {
  const auto* item = favorites_->currentItem();
  if (!item || item->text().isEmpty()) return;
  QDesktopServices::openUrl(QUrl::fromUserInput(item->text()));
}

}  // namespace markloom
