#include "ui/document/file_chooser.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/common/prompter.h"

namespace markloom {

namespace {
constexpr int kMaxFavorites = 10;

bool realDialogs() { return dynamic_cast<QtPrompter*>(&Prompter::instance()) != nullptr; }

// Adds the "Favorites:" row under the dialog's own controls.
void addFavoritesRow(QFileDialog& dialog) {
  auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
  if (!grid) return;
  auto* label = new QLabel(QStringLiteral("Favorites:"), &dialog);
  auto* list = new QComboBox(&dialog);
  list->setObjectName("Favorites");
  list->addItems(favoriteFolders());
  list->setCurrentIndex(-1);
  label->setBuddy(list);
  auto* add = new QPushButton(QStringLiteral("Add"), &dialog);
  add->setObjectName("AddFavorite");
  add->setToolTip(QStringLiteral("Add the folder shown to the favorites"));
  QObject::connect(list, &QComboBox::textActivated, &dialog,
                   [&dialog](const QString& folder) { dialog.setDirectory(folder); });
  QObject::connect(add, &QPushButton::clicked, &dialog, [&dialog, list] {
    addFavoriteFolder(dialog.directory().absolutePath());
    list->clear();
    list->addItems(favoriteFolders());
  });
  auto* row = new QHBoxLayout;
  row->addWidget(list, 1);
  row->addWidget(add);
  const int r = grid->rowCount();
  grid->addWidget(label, r, 0);
  grid->addLayout(row, r, 1, 1, grid->columnCount() - 1);
}

QString run(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);  // the favourites row needs our own dialog
  dialog.setSizeGripEnabled(true);
  addFavoritesRow(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}
}  // namespace

QStringList& favoriteFolders() {
  static QStringList folders;
  return folders;
}

void addFavoriteFolder(const QString& folder) {
  QStringList& f = favoriteFolders();
  f.removeAll(folder);
  f.append(folder);
  while (f.size() > kMaxFavorites) f.removeFirst();
}

QString chooseOpenFile(QWidget* parent, const QString& initial) {
  if (!realDialogs()) return Prompter::instance().openFileName(QStringLiteral("Open File"), initial, QString());
  QFileDialog dialog(parent, QStringLiteral("Open File"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (!initial.isEmpty()) dialog.selectFile(initial);
  return run(dialog);
}

QString chooseSaveFile(QWidget* parent, const QString& proposed) {
  if (!realDialogs()) return Prompter::instance().saveFileName(QStringLiteral("Save"), proposed, QString());
  QFileDialog dialog(parent, QStringLiteral("Save"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QFileInfo info(proposed);
  dialog.setDirectory(info.isAbsolute() ? info.absolutePath() : QDir::currentPath());
  dialog.selectFile(info.fileName());
  return run(dialog);
}

}  // namespace markloom
