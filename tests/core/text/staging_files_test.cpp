// The staging files in flight: which names are ours, what a later run sweeps
// away (only unlocked, settled leftovers), and the removal a signal handler
// does.
#include "core/text/staging_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "core/text/file_writer.h"
#include "support/scratch_folder.h"

namespace markloom::staging {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct NameCase {
  const char* name;
  std::string file;
  bool ours;
};

class StagingNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(StagingNames, AreRecognised) { EXPECT_EQ(isStagingName(GetParam().file), GetParam().ours); }

INSTANTIATE_TEST_SUITE_P(
    Cases, StagingNames,
    ::testing::Values(NameCase{"Sibling", ".page.htm.mkA1b2C3", true},
                      NameCase{"BackupLink", ".page.htm.bak.mkzzzzzz", true},
                      NameCase{"WriterSiblingOfALongName",
                               stagingName(std::string(300, 'n')).replace(NAME_MAX - 6, 6, "Ab12Cd"), true},
                      NameCase{"NotHidden", "page.htm.mkA1b2C3", false},
                      NameCase{"SuffixTooShort", ".page.htm.mkA1b2C", false},
                      NameCase{"PunctuationInTheSuffix", ".page.htm.mkA1-2C3", false},
                      NameCase{"UsersOwnHiddenFile", ".htaccess", false}, NameCase{"OnlyTheMark", ".mkabcdef", false}),
    [](const auto& row) { return std::string(row.param.name); });

class Leftovers : public ::testing::Test {
 protected:
  std::string make(const std::string& name) {
    folder.write(name, "partial new content");
    return folder.file(name);
  }
  bool exists(const std::string& name) const { return fs::exists(folder.path() / name); }
  test::ScratchFolder folder{"staging"};
};

TEST_F(Leftovers, UnlockedSettledStagingFilesGoAndEverythingElseStays) {
  make(".page.htm.mkAbCdEf");
  make(".page.htm.bak.mk123456");
  make("page.htm.mkAbCdEf");  // not hidden: a user's file
  make(".notes.txt");
  fs::create_directory(folder.path() / ".dir.mkAbCdEf");
  fs::create_symlink("page.htm", folder.path() / ".link.mkAbCdEf");
  // One held by a live writer.
  const std::string held = make(".busy.htm.mkQwErTy");
  const int fd = ::open(held.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  EXPECT_EQ(removeLeftovers(folder.path().string(), 0s), 2u);
  EXPECT_FALSE(exists(".page.htm.mkAbCdEf"));
  EXPECT_FALSE(exists(".page.htm.bak.mk123456"));
  for (const char* kept : {"page.htm.mkAbCdEf", ".notes.txt", ".dir.mkAbCdEf", ".busy.htm.mkQwErTy"})
    EXPECT_TRUE(exists(kept)) << kept;
  EXPECT_TRUE(fs::is_symlink(folder.path() / ".link.mkAbCdEf"));
  ::close(fd);
  EXPECT_EQ(removeLeftovers(folder.path().string(), 0s), 1u) << "released: now a leftover";
}

TEST_F(Leftovers, AFreshFileIsLeftForItsWriterToLock) {
  make(".page.htm.mkAbCdEf");
  EXPECT_EQ(removeLeftovers(folder.path().string(), 3600s), 0u);
  EXPECT_TRUE(exists(".page.htm.mkAbCdEf"));
}

TEST_F(Leftovers, CreatedFilesAreLockedAndRemovedInFlight) {
  std::string path = folder.file(".page.htm.mkXXXXXX");
  int ticket = -1;
  const int fd = createLocked(path, ticket);
  ASSERT_GE(fd, 0);
  EXPECT_GE(ticket, 0);
  EXPECT_TRUE(isStagingName(fs::path(path).filename().string()));
  // Another process cannot take the lock: a sweep leaves the file alone.
  EXPECT_EQ(removeLeftovers(folder.path().string(), 0s), 0u);
  EXPECT_TRUE(fs::exists(path));
  removeAllInFlight();
  EXPECT_FALSE(fs::exists(path));
  untrack(ticket);
  ::close(fd);
}

// A signal inside an in-place write waits for its end, then ends the process
// and removes what was in flight.
TEST(Unbroken, ASignalWaitsForTheStretchToEnd) {
  test::ScratchFolder folder{"unbroken"};
  const std::string marker = folder.file("marker");
  std::string sibling = folder.file(".x.mkXXXXXX");
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    int ticket = -1;
    if (createLocked(sibling, ticket) < 0) ::_exit(3);
    {
      const Unbroken stretch;
      terminateBySignal(SIGTERM);  // as a handler would
      folder.write("marker", "stretch finished");
    }
    ::_exit(0);  // not reached: the stretch's end ends the process
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status);
  EXPECT_EQ(WTERMSIG(status), SIGTERM);
  EXPECT_EQ(folder.read("marker"), "stretch finished");
  for (const auto& e : fs::directory_iterator(folder.path()))
    EXPECT_FALSE(isStagingName(e.path().filename().string())) << e.path();
}

}  // namespace
}  // namespace markloom::staging
