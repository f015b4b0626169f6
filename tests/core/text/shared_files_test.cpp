// Files shared with other people: replacing a file keeps its access list and
// extended attributes (and never gains any), and a link another user planted
// in a shared sticky folder is not followed. Each case runs through the
// writer and through the multi-file replace, which streams its own sibling.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "core/common/error.h"
#include "core/findreplace/replace_pass.h"
#include "core/text/file_writer.h"
#include "core/text/write_journal.h"
#include "support/file_scenes.h"
#include "support/scratch_folder.h"

namespace markloom {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

// The two writers; each turns "cat" into "dog" in path and returns the error
// it reported ("" when none).
struct Writer {
  const char* name;
  std::function<std::string(const std::string& path)> write;
};

std::vector<Writer> writers() {
  return {
      {"writeFile",
       [](const std::string& path) {
         try {
           writeFile(path, "dog\n");
         } catch (const Error& e) {
           return std::string(e.what());
         }
         return std::string();
       }},
      {"replace",
       [](const std::string& path) {
         std::string warned;
         ReplaceOptions options;
         options.find = "cat";
         options.replace = "dog";
         PassCallbacks callbacks;
         callbacks.warn = [&](const std::string& w) { warned = w; };
         ReplacePass(options, callbacks).run({path});
         return warned;
       }},
  };
}

std::string attribute(const std::string& path, const char* name) {
  char value[256];
  const ssize_t got = ::getxattr(path.c_str(), name, value, sizeof value);
  return got < 0 ? "<none>" : std::string(value, static_cast<std::size_t>(got));
}

// The access list as getfacl prints it, without the comment lines.
std::string accessList(const std::string& path) {
  std::string out;
  if (FILE* p = ::popen(("getfacl -cp '" + path + "' 2>/dev/null").c_str(), "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, p)) out += line;
    ::pclose(p);
  }
  return out;
}

bool haveSetfacl() { return std::system("command -v setfacl >/dev/null 2>&1") == 0; }

int run(const std::string& command) { return std::system(command.c_str()); }

class SharedFiles : public ::testing::Test {
 protected:
  SharedFiles() {
    journal::setFolderSource([this] { return folder.file("journal"); });
  }
  ~SharedFiles() override { journal::setFolderSource({}); }
  ScratchFolder folder{"shared"};
};

TEST_F(SharedFiles, ExtendedAttributesAndAccessListsStayWithTheFile) {
  const bool acl = haveSetfacl();
  if (!acl) std::printf("setfacl is missing: only user.* attributes are checked\n");
  for (const Writer& writer : writers()) {
    for (const bool hardLinked : {false, true}) {
      SCOPED_TRACE(std::string(writer.name) + (hardLinked ? ", hard-linked" : ""));
      const std::string page = folder.file("page.htm");
      fs::remove_all(folder.path() / "page.htm");
      fs::remove_all(folder.path() / "link.htm");
      folder.write("page.htm", "cat\n");
      fs::permissions(page, fs::perms(0640));
      if (hardLinked) fs::create_hard_link(page, folder.file("link.htm"));
      ASSERT_EQ(::setxattr(page.c_str(), "user.origin", "desk 4", 6, 0), 0);
      if (acl) {
        ASSERT_EQ(run("setfacl -m u:nobody:rw '" + page + "'"), 0);
      }
      const std::string listBefore = accessList(page);
      const mode_t modeBefore = test::sceneStat(page).st_mode & 07777;

      EXPECT_EQ(writer.write(page), "");
      EXPECT_EQ(folder.read("page.htm"), "dog\n");
      EXPECT_EQ(attribute(page, "user.origin"), "desk 4");
      EXPECT_EQ(test::sceneStat(page).st_mode & 07777, modeBefore);
      if (acl) {
        EXPECT_NE(listBefore.find("user:nobody:rw-"), std::string::npos) << listBefore;
        EXPECT_EQ(accessList(page), listBefore);
      }
      EXPECT_EQ(test::stagingLeftovers(folder.path()), std::vector<std::string>{});
    }
  }
}

// The folder hands every new file an access list by default; a file made
// before that has none, and its replacement must not gain one.
TEST_F(SharedFiles, ReplacementGainsNoAccessFromTheFolder) {
  if (!haveSetfacl()) GTEST_SKIP() << "setfacl is missing (package acl)";
  for (const Writer& writer : writers()) {
    SCOPED_TRACE(writer.name);
    fs::remove_all(folder.path() / "pages");
    fs::create_directory(folder.path() / "pages");
    const std::string page = folder.file("pages/page.htm");
    test::sceneWrite(page, "cat\n");
    fs::permissions(page, fs::perms(0600));
    ASSERT_EQ(run("setfacl -d -m u:nobody:rwx '" + folder.file("pages") + "'"), 0);
    const std::string before = accessList(page);
    EXPECT_EQ(writer.write(page), "");
    EXPECT_EQ(test::sceneRead(page), "dog\n");
    EXPECT_EQ(accessList(page), before);
    EXPECT_EQ(accessList(page).find("nobody"), std::string::npos);
    EXPECT_EQ(test::sceneStat(page).st_mode & 07777, 0600u);
  }
}

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

// Another user for the planted links: made once, never changed afterwards.
uid_t linkPlanter() {
  const char* name = "markloom-planter";
  if (!::getpwnam(name) &&
      run(std::string("useradd --system --no-create-home --shell /usr/sbin/nologin ") + name + " >/dev/null 2>&1") != 0)
    return 0;
  const passwd* user = ::getpwnam(name);
  return user ? user->pw_uid : 0;
}

// Links in a sticky folder everyone may write to, as /tmp: followed when they
// belong to us or to the folder's owner, refused when another user planted them.
TEST_F(SharedFiles, LinksPlantedInASharedFolderAreNotFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to make links owned by another user";
  const uid_t planter = linkPlanter();
  if (planter == 0) GTEST_SKIP() << "cannot create the test user markloom-planter";
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
}  // namespace markloom
