// Where the program finds its shipped data: beside the executable in the build
// tree, under <prefix>/share/markloom when installed, wherever the prefix is.
#include "platform/files/program_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "temp_home.h"

namespace markloom {
namespace {

TEST(ProgramFolder, FoundFromTheExecutablesLocation) {
  QTemporaryDir root;
  const QString r = root.path();
  struct Case {
    const char* what;
    QStringList folders;
    QString executableFolder;
    QString expected;
  };
  const Case cases[] = {
      {"build tree: data beside the executable", {"build/bin/Extensions"}, r + "/build/bin", r + "/build/bin/"},
      {"installed prefix", {"usr/bin", "usr/share/markloom/Extensions"}, r + "/usr/bin", r + "/usr/share/markloom/"},
      {"relocated prefix",
       {"opt/x/bin", "opt/x/share/markloom/Extensions"},
       r + "/opt/x/bin",
       r + "/opt/x/share/markloom/"},
      {"beside wins over share",
       {"both/bin/Extensions", "both/share/markloom/Extensions"},
       r + "/both/bin",
       r + "/both/bin/"},
      {"no data anywhere: the executable's folder", {"none/bin"}, r + "/none/bin", r + "/none/bin/"},
      {"a share folder without Extensions does not count",
       {"half/bin", "half/share/markloom"},
       r + "/half/bin",
       r + "/half/bin/"},
  };
  for (const Case& c : cases) {
    for (const QString& folder : c.folders) ASSERT_TRUE(QDir().mkpath(r + "/" + folder));
    EXPECT_EQ(programFolderFor(c.executableFolder), c.expected) << c.what;
  }
}

// A folder that is not the user's own copy: owned by another user when the
// test runs as root (root can write anything, so ownership is what counts),
// otherwise read-only.
void makeForeign(const QString& folder) {
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
  } else {
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
  }
}

void makeOwn(const QString& folder) {
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 0, 0), 0);
  }
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(ProgramFolder, OnlyTheUsersOwnWritableCopyCounts) {
  QTemporaryDir root;
  const QString r = root.path() + "/";
  for (const char* folder : {"own", "foreign", "target"}) ASSERT_TRUE(QDir().mkpath(r + folder));
  makeForeign(r + "foreign");
  ASSERT_TRUE(QFile::link(r + "target", r + "link"));
  struct Case {
    const char* what;
    QString folder;
    bool installed;
    bool own;
  };
  const Case cases[] = {
      {"the user's folder", r + "own", false, true},
      {"an installed prefix, even when the user owns it", r + "own", true, false},
      {"another user's or a read-only folder", r + "foreign", false, false},
      {"a symbolic link", r + "link", false, false},
      {"a missing folder", r + "missing", false, false},
  };
  for (const Case& c : cases) EXPECT_EQ(isUsersOwnCopy(c.folder, c.installed), c.own) << c.what;
  makeOwn(r + "foreign");
}

TEST(ProgramFolder, AForeignProgramFolderSendsEveryWriteToTheUserAndTheUsersCopyWins) {
  test::TempHome home;
  home.write("Extensions/tags.txt", "installed\r\n");
  home.write("Extensions/qdtidyformat.qdf", "indent: yes\n");
  makeForeign(home.path());
  const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Tarnwell/Markloom 5.0/";
  EXPECT_FALSE(programFolderIsUsersOwn());
  // Reading makes no per-user folder; the first write does.
  EXPECT_EQ(programPath("Extensions\\tags.txt"), home.file("Extensions/tags.txt"));
  EXPECT_FALSE(QFileInfo::exists(user));
  EXPECT_EQ(workFolder(), user);
  // The per-user folder is made readable by its owner only: recent lists may
  // hold passwords.
  EXPECT_EQ(QFileInfo(user).permissions() & 0x0077, 0) << std::oct << int(QFileInfo(user).permissions());
  // Writing a file makes the folders on its way.
  EXPECT_EQ(workPath("Extensions\\webrecent.qdf"), user + "Extensions/webrecent.qdf");
  EXPECT_TRUE(QFileInfo(user + "Extensions").isDir());
  // The per-user Extensions folder exists now, without a copy of every file in
  // it: each file is still found where it is.
  EXPECT_EQ(programPath("Extensions\\tags.txt"), home.file("Extensions/tags.txt"));
  EXPECT_EQ(programPath("Extensions\\qdtidyformat.qdf"), home.file("Extensions/qdtidyformat.qdf"));
  QFile own(user + "Extensions/tags.txt");
  ASSERT_TRUE(own.open(QIODevice::WriteOnly));
  own.close();
  EXPECT_EQ(programPath("Extensions\\tags.txt"), user + "Extensions/tags.txt");
  EXPECT_EQ(programPath("Extensions\\qdtidyformat.qdf"), home.file("Extensions/qdtidyformat.qdf"));
  makeOwn(home.path());
  // The user's own program folder takes the writes and is read first.
  EXPECT_TRUE(programFolderIsUsersOwn());
  EXPECT_EQ(workPath("tidy.tmp"), home.file("tidy.tmp"));
  EXPECT_EQ(programPath("Extensions\\tags.txt"), home.file("Extensions/tags.txt"));
}

}  // namespace
}  // namespace markloom
