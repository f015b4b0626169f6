// Where the program finds its shipped data: beside the executable in the build
// tree, under <prefix>/share/markloom when installed, wherever the prefix is.
#include "platform/files/program_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
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

TEST(ProgramFolder, AReadOnlyProgramFolderSendsWorkFilesToTheUserAndTheUsersCopyWins) {
  if (::geteuid() == 0) GTEST_SKIP() << "every folder is writable for root";
  test::TempHome home;
  home.write("Extensions/tags.txt", "installed\r\n");
  QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::ExeOwner);
  const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/";
  EXPECT_EQ(workFolder(), user);
  EXPECT_EQ(programPath("Extensions\\tags.txt"), home.file("Extensions/tags.txt"));
  QDir().mkpath(user + "Extensions");
  QFile own(user + "Extensions/tags.txt");
  ASSERT_TRUE(own.open(QIODevice::WriteOnly));
  own.close();
  EXPECT_EQ(programPath("Extensions\\tags.txt"), user + "Extensions/tags.txt");
  QFile::remove(user + "Extensions/tags.txt");
  QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace markloom
