// Files shared with other people: replacing a file keeps its access list and
// extended attributes, and never gains any.
#include "core/text/shared_files_fixture.h"

namespace markloom::test {
namespace {

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

}  // namespace
}  // namespace markloom::test
