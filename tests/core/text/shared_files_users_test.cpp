// Files shared with other users (run as root, acting as two users): an
// attribute the user may not set means writing in place, and a link another
// user planted in a shared sticky folder is not followed.
#include <pwd.h>
#include <sys/wait.h>

#include "core/text/shared_files_fixture.h"

namespace markloom::test {
namespace {

// An attribute the user may not set on the new copy (a file capability needs
// a privilege) means the file is written in place instead: same inode.
TEST_F(SharedFiles, AnAttributeThatCannotBeCopiedMeansWritingInPlace) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to give a file a capability and drop to another user";
  constexpr uid_t kNobody = 65534;
  for (const Writer& writer : writers()) {
    SCOPED_TRACE(writer.name);
    fs::remove_all(folder.path() / "theirs");
    fs::create_directory(folder.path() / "theirs");
    const std::string page = folder.file("theirs/page.htm");
    test::sceneWrite(page, "cat\n");
    ASSERT_EQ(::chown(folder.file("theirs").c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(page.c_str(), kNobody, kNobody), 0);
    // Revision 2, one permitted capability.
    const unsigned char capability[20] = {0, 0, 0, 2, 0, 4};
    ASSERT_EQ(::setxattr(page.c_str(), "security.capability", capability, sizeof capability, 0), 0);
    const ino_t inode = test::sceneStat(page).st_ino;
    const std::string journalFolder = folder.file("theirs/journal");
    const pid_t child = ::fork();
    if (child == 0) {
      if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(97);
      journal::setFolderSource([&] { return journalFolder; });
      ::_exit(writer.write(page).empty() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 97) GTEST_SKIP() << "cannot drop privileges here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(test::sceneRead(page), "dog\n");
    EXPECT_EQ(test::sceneStat(page).st_ino, inode);
    EXPECT_EQ(test::sceneStat(page).st_uid, kNobody);
    EXPECT_EQ(test::stagingLeftovers(folder.path() / "theirs"), std::vector<std::string>{});
  }
}

// The other local user of the two-user tests (scripts/test makes it too):
// made once when missing, never changed afterwards.
uid_t linkPlanter() {
  const char* name = "markloom-peer";
  if (!::getpwnam(name) &&
      run(std::string("useradd --system --user-group --home-dir /var/lib/markloom-peer "
                 "--shell /usr/sbin/nologin -p '*' ") +
          name + " >/dev/null 2>&1") != 0)
    return 0;
  const passwd* user = ::getpwnam(name);
  return user ? user->pw_uid : 0;
}

// Links in a sticky folder everyone may write to, as /tmp: followed when they
// belong to us or to the folder's owner, refused when another user planted them.
TEST_F(SharedFiles, LinksPlantedInASharedFolderAreNotFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to make links owned by another user";
  const uid_t planter = linkPlanter();
  if (planter == 0) GTEST_SKIP() << "cannot create the test user markloom-peer";
  const struct {
    const char* name;
    uid_t linkOwner;
    uid_t folderOwner;
    bool followed;
  } rows[] = {
      {"our own link", 0, 0, true},
      {"planted by another user", planter, 0, false},
      {"the folder owner's link", planter, planter, true},
  };
  for (const Writer& writer : writers()) {
    for (const auto& row : rows) {
      SCOPED_TRACE(std::string(writer.name) + ", " + row.name);
      fs::remove_all(folder.path() / "shared");
      fs::create_directory(folder.path() / "shared");
      const std::string shared = folder.file("shared");
      ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
      ASSERT_EQ(::chown(shared.c_str(), row.folderOwner, row.folderOwner), 0);
      folder.write("mine.htm", "cat\n");
      const std::string link = shared + "/report.htm";
      fs::create_symlink(folder.file("mine.htm"), link);
      ASSERT_EQ(::lchown(link.c_str(), row.linkOwner, row.linkOwner), 0);

      const std::string error = writer.write(link);
      if (row.followed) {
        EXPECT_EQ(error, "");
        EXPECT_EQ(folder.read("mine.htm"), "dog\n");
      } else {
        EXPECT_EQ(error,
                  "Cannot create file " + link + ": " + link + " is a link in a shared folder owned by another user");
        EXPECT_EQ(folder.read("mine.htm"), "cat\n");
      }
      EXPECT_TRUE(fs::is_symlink(link));
    }
  }
}

}  // namespace
}  // namespace markloom::test
