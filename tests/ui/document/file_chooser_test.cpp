// The real open dialog carries the "Favorites:" list of this run's folders.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>

#include "support/temp_home.h"
#include "ui/document/file_chooser.h"

namespace markloom {
namespace {

TEST(FileChooser, OpenDialogListsFavoriteFoldersAndAddsTheShownOne) {
  test::TempHome home;
  favoriteFolders().clear();
  for (int i = 0; i < 12; ++i) addFavoriteFolder(QString("/tmp/f%1").arg(i));
  EXPECT_EQ(favoriteFolders().size(), 10);  // the oldest left first
  EXPECT_EQ(favoriteFolders().first(), "/tmp/f2");
  QStringList listed;
  QString title;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    auto* list = dialog->findChild<QComboBox*>("Favorites");
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < list->count(); ++i) listed << list->itemText(i);
    dialog->setDirectory(home.path());
    dialog->findChild<QPushButton*>("AddFavorite")->click();
    dialog->reject();
  });
  EXPECT_TRUE(chooseOpenFile(nullptr, QString()).isEmpty());  // rejected: Cancel
  EXPECT_EQ(title, "Open File");
  EXPECT_EQ(listed.size(), 10);
  EXPECT_EQ(favoriteFolders().last(), QDir(home.path()).absolutePath());
  favoriteFolders().clear();
}

}  // namespace
}  // namespace markloom
