#include "ui/sites/file_pane.h"

#include <algorithm>

#include <QFileIconProvider>
#include <QHash>
#include <QSet>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/sites/listing_columns.h"

namespace markloom {

namespace {
constexpr int kFolderRole = Qt::UserRole;

// Rows sort by what the pane's order says, not by the shown text.
class EntryRow : public QTreeWidgetItem {
 public:
  EntryRow(bool folder, FilePane::Order order) : folder_(folder), order_(order) {}
  bool operator<(const QTreeWidgetItem& other) const override {
    const auto& row = static_cast<const EntryRow&>(other);
    if (order_ == FilePane::Order::FoldersFirst && folder_ != row.folder_) return folder_;
    return text(0).compare(other.text(0), Qt::CaseInsensitive) < 0;
  }

 private:
  bool folder_;
  FilePane::Order order_;
};

// The icon and description of a kind of entry, by its extension alone.
struct EntryKind {
  QIcon icon;
  QString description;
};

const EntryKind& kindFor(const QString& name, bool folder) {
  static const QFileIconProvider provider;
  static QHash<QString, EntryKind> known;
  const qsizetype dot = name.lastIndexOf('.');
  const QString key = folder ? QStringLiteral("/") : dot <= 0 ? QString() : name.mid(dot + 1).toLower();
  const auto found = known.constFind(key);
  if (found != known.constEnd()) return *found;
  const QMimeDatabase types;
  EntryKind kind;
  if (folder) {
    kind.icon = provider.icon(QFileIconProvider::Folder);
    kind.description = types.mimeTypeForName(QStringLiteral("inode/directory")).comment();
  } else {
    const QMimeType type =
        types.mimeTypeForFile(key.isEmpty() ? QStringLiteral("file") : "file." + key, QMimeDatabase::MatchExtension);
    kind.icon = QIcon::fromTheme(type.iconName(),
                                 QIcon::fromTheme(type.genericIconName(), provider.icon(QFileIconProvider::File)));
    kind.description = type.comment();
  }
  return *known.insert(key, kind);
}
}  // namespace

FilePane::FilePane(const char* headerName, const char* listName, const char* upName, Order order, QWidget* parent)
    : QWidget(parent),
      header_(new QLabel(this)),
      up_(new QToolButton(this)),
      list_(new QTreeWidget(this)),
      order_(order) {
  header_->setObjectName(headerName);
  up_->setObjectName(upName);
  up_->setText(QStringLiteral("Up"));
  up_->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
  up_->setToolTip(QStringLiteral("Up one folder"));
  list_->setObjectName(listName);
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({"Name", "Size", "Type", "Last Modified"});
  list_->setColumnWidth(0, 120);
  list_->setColumnWidth(1, 70);
  list_->setColumnWidth(3, 90);
  list_->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  list_->setSortingEnabled(false);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  auto* top = new QHBoxLayout;
  top->addWidget(header_, 1);
  top->addWidget(up_);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(top);
  column->addWidget(list_, 1);
  connect(list_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* row) { emit activated(row->text(0), isFolder(row)); });
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &FilePane::selectionChanged);
}

void FilePane::setFolder(const QString& folder) {
  folder_ = folder;
  header_->setText(folder);
}

void FilePane::clear() { list_->clear(); }

void FilePane::setEntries(const std::vector<RemoteEntry>& entries) {
  // The same folder listed again keeps its selection (after a transfer, a refresh).
  QSet<QString> selected;
  if (folder_ == listedFolder_)
    for (const Selected& entry : selectedEntries()) selected.insert(entry.name);
  listedFolder_ = folder_;
  list_->clear();
  const char point = QLocale().decimalPoint().at(0).toLatin1();
  QList<QTreeWidgetItem*> rows;
  for (const RemoteEntry& entry : entries) {
    if (entry.name == "." || entry.name == "..") continue;
    const QString name = QString::fromStdString(entry.name);
    auto* row = new EntryRow(entry.folder, order_);
    row->setText(0, name);
    const EntryKind& kind = kindFor(name, entry.folder);
    row->setIcon(0, kind.icon);
    row->setData(0, kFolderRole, entry.folder);
    if (!entry.folder) row->setText(1, QString::fromStdString(sizeText(entry.size, point ? point : '.')));
    row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    row->setText(2, kind.description);
    row->setText(3, QString::fromStdString(timeText(entry.modified)));
    rows << row;
  }
  list_->addTopLevelItems(rows);
  list_->sortItems(0, Qt::AscendingOrder);
  for (QTreeWidgetItem* row : rows)
    if (selected.contains(row->text(0))) row->setSelected(true);
}

bool FilePane::isFolder(const QTreeWidgetItem* row) { return row && row->data(0, kFolderRole).toBool(); }

QString FilePane::selectedName() const {
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text(0);
}

std::vector<FilePane::Selected> FilePane::selectedEntries() const {
  std::vector<Selected> out;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = list_->topLevelItem(i);
    if (row->isSelected()) out.push_back({row->text(0), isFolder(row)});
  }
  return out;
}

bool FilePane::holdsFile(const QString& name) const {
  const auto found = list_->findItems(name, Qt::MatchExactly, 0);
  return std::any_of(found.begin(), found.end(), [](const QTreeWidgetItem* row) { return !isFolder(row); });
}

bool FilePane::selectedIsFolder() const {
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  return !selected.isEmpty() && isFolder(selected.first());
}

}  // namespace markloom
