// The Code Controller panel on its own: the Files tab lists the chosen
// folder's files through the mask, and a double-click names the file.
#include "ui/codecontroller/code_controller.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTreeWidget>

#include "temp_home.h"

namespace markloom {
namespace {

using test::TempHome;

struct MaskCase {
  const char* name;
  QString mask;
  QStringList listed;
};

std::ostream& operator<<(std::ostream& os, const MaskCase& c) { return os << c.name; }

class FilesTabMask : public ::testing::TestWithParam<MaskCase> {};

TEST_P(FilesTabMask, ListsTheMatchingFilesByName) {
  TempHome home(false);
  for (const char* name : {"b.html", "A.htm", "notes.txt", ".hidden.txt", "style.css"})
    home.write(QString("site/") + name, "x");
  ASSERT_TRUE(QDir().mkpath(home.file("site/sub.htm")));  // a folder is never listed
  CodeController panel;
  panel.setFolder(home.file("site"));
  panel.setMask(GetParam().mask);
  EXPECT_EQ(panel.listedFiles(), GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FilesTabMask,
    ::testing::Values(MaskCase{"PagesByDefault", "*.htm;*.html;*.shtml;*.asp;*.cfml", {"A.htm", "b.html"}},
                      MaskCase{"TextFilesHiddenOnesToo", "*.txt", {".hidden.txt", "notes.txt"}},
                      MaskCase{"Everything", "*.*", {".hidden.txt", "A.htm", "b.html", "notes.txt", "style.css"}},
                      MaskCase{"Nothing", "*.php", {}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CodeController, AMissingFolderChangesNothingAndADoubleClickNamesTheFile) {
  TempHome home(false);
  home.write("site/index.htm", "x");
  CodeController panel;
  panel.setFolder(home.file("site"));
  panel.setFolder(home.file("gone"));
  EXPECT_EQ(panel.folder(), home.file("site"));
  ASSERT_EQ(panel.listedFiles(), QStringList({"index.htm"}));

  QSignalSpy activated(&panel, &CodeController::fileActivated);
  auto* list = panel.findChild<QTreeWidget*>("RzFileListBox1");
  ASSERT_NE(list, nullptr);
  emit list->itemDoubleClicked(list->topLevelItem(0), 0);
  ASSERT_EQ(activated.size(), 1);
  EXPECT_EQ(QFileInfo(activated[0][0].toString()), QFileInfo(home.file("site/index.htm")));
}

}  // namespace
}  // namespace markloom
