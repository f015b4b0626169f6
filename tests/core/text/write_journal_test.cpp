// The journal of in-place writes: what a run killed at each stage leaves, and
// what the next writer or the editor's start makes of it.
#include "core/text/write_journal.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "core/common/error.h"
#include "core/findreplace/replace_pass.h"
#include "core/text/file_writer.h"
#include "support/file_scenes.h"
#include "support/scratch_folder.h"

namespace markloom {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

const std::string kOld = "<p>the old page, long enough to be torn</p>\r\n";
const std::string kNew = "<p>the new page</p>\r\n<p>with a second line</p>\r\n";

// A page with a second hard link (so it is written in place) and a journal
// folder of its own.
class JournalTest : public ::testing::Test {
 public:  // the rows of a table reach the fixture too
  JournalTest() {
    journal::setFolderSource([this] { return folder.file("journal"); });
    folder.write("page.htm", kOld);
    fs::create_hard_link(folder.file("page.htm"), folder.file("other.htm"));
  }
  ~JournalTest() override { journal::setFolderSource({}); }

  struct stat pageStat() const {
    return test::sceneStat(folder.file("page.htm"));
  }

  // What a run killed in the middle of its copy leaves: the record and the
  // whole new content journaled, the file itself part new and part NUL bytes.
  void leaveTornWrite() {
    const int fd = ::open(folder.file("page.htm").c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    {
      journal::Entry entry;
      ASSERT_EQ(entry.begin(fd, pageStat(), folder.file("page.htm"), kNew), 0);
      const std::string torn = kNew.substr(0, 10) + std::string(30, '\0');
      ASSERT_EQ(::pwrite(fd, torn.data(), torn.size(), 0), static_cast<ssize_t>(torn.size()));
    }  // dropped unfinished, as by the kill
    ::close(fd);
  }

  std::vector<std::string> journalFiles() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder.path() / "journal")) names.push_back(e.path().filename());
    return names;
  }

  std::string journalFile(const char* suffix) const {
    for (const auto& e : fs::directory_iterator(folder.path() / "journal"))
      if (e.path().extension() == suffix) return e.path();
    return {};
  }

  void expectBothNames(const std::string& bytes) {
    EXPECT_EQ(folder.read("page.htm"), bytes);
    EXPECT_EQ(folder.read("other.htm"), bytes);
    EXPECT_EQ(pageStat().st_nlink, 2u);
  }

  ScratchFolder folder{"journal"};
};

TEST_F(JournalTest, AFinishedWriteLeavesNoRecord) {
  writeFile(folder.file("page.htm"), kNew);
  expectBothNames(kNew);
  EXPECT_EQ(journalFiles(), std::vector<std::string>{});
}

TEST_F(JournalTest, JournalFolderIsOwnerOnly) {
  writeFile(folder.file("page.htm"), kNew);
  EXPECT_EQ(test::sceneStat(folder.file("journal")).st_mode & 0777, 0700u);
}

// Without a journal an in-place write could be torn by a kill: it is refused.
// A folder others may write to, or a link, is no journal.
TEST_F(JournalTest, NoJournalNoInPlaceWrite) {
  folder.write("blocker", "a file where the journal folder would be");
  fs::create_directory(folder.path() / "open");
  fs::permissions(folder.path() / "open", fs::perms(0777));
  fs::create_directory(folder.path() / "real");
  fs::create_directory_symlink(folder.path() / "real", folder.path() / "linked");
  const struct {
    std::string journal;
    std::string reason;
  } rows[] = {
      {folder.file("blocker/journal"), "Not a directory"},
      {folder.file("open"), "Permission denied"},
      {folder.file("linked"), "Not a directory"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.journal);
    journal::setFolderSource([&] { return row.journal; });
    std::string message;
    try {
      writeFile(folder.file("page.htm"), kNew);
    } catch (const Error& e) {
      message = e.what();
    }
    EXPECT_EQ(message, "Cannot create file " + folder.file("page.htm") + ": the new content cannot be journaled in " +
                           row.journal + " (" + row.reason + ")");
    expectBothNames(kOld);
  }
}

// Every way of coming back to a torn write finishes it from the journal.
TEST_F(JournalTest, TornWriteIsFinishedByWhoeverComesNext) {
  const struct {
    const char* who;
    std::function<void(JournalTest&)> next;
    std::string expected;
  } rows[] = {
      {"the editor's start", [](JournalTest&) { journal::finishInterruptedWrites(); }, kNew},
      {"a writer settling the file", [](JournalTest& t) { journal::settle(t.folder.file("page.htm"), t.pageStat()); },
       kNew},
      {"a writer of the other name", [](JournalTest& t) { writeFile(t.folder.file("other.htm"), "third\r\n"); },
       "third\r\n"},
      {"a replace over the file",
       [](JournalTest& t) {
         ReplaceOptions options;
         options.find = "new page";
         options.replace = "newer page";
         ReplacePass(options).run({t.folder.file("page.htm")});
       },
       "<p>the newer page</p>\r\n<p>with a second line</p>\r\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.who);
    writeFile(folder.file("page.htm"), kOld);
    leaveTornWrite();
    EXPECT_NE(folder.read("page.htm"), kNew);
    EXPECT_EQ(journalFiles().size(), 2u);
    row.next(*this);
    expectBothNames(row.expected);
    EXPECT_EQ(journalFiles(), std::vector<std::string>{});
  }
}

TEST_F(JournalTest, EditorStartNamesTheFinishedFile) {
  leaveTornWrite();
  EXPECT_EQ(journal::finishInterruptedWrites(), std::vector<std::string>{folder.file("page.htm")});
  EXPECT_EQ(journal::finishInterruptedWrites(), std::vector<std::string>{});
}

// Killed before the file was touched: whatever is journaled is not trusted
// unless whole, and the file stays as it is.
TEST_F(JournalTest, UnfinishedJournalLeavesTheFileAlone) {
  const struct {
    const char* stage;
    std::function<void(JournalTest&)> spoil;
  } rows[] = {
      {"record cut short", [](JournalTest& t) { fs::resize_file(t.journalFile(".journal"), 20); }},
      {"record empty", [](JournalTest& t) { fs::resize_file(t.journalFile(".journal"), 0); }},
      {"record with a changed byte",
       [](JournalTest& t) {
         std::fstream f(t.journalFile(".journal"), std::ios::in | std::ios::out | std::ios::binary);
         f.seekp(25);
         f.put('9');
       }},
      {"copy cut short", [](JournalTest& t) { fs::resize_file(t.journalFile(".new"), kNew.size() - 1); }},
      {"copy missing", [](JournalTest& t) { fs::remove(t.journalFile(".new")); }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.stage);
    const int fd = ::open(folder.file("page.htm").c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    {
      journal::Entry entry;
      ASSERT_EQ(entry.begin(fd, pageStat(), folder.file("page.htm"), kNew), 0);
    }
    ::close(fd);
    row.spoil(*this);
    EXPECT_EQ(journal::finishInterruptedWrites(), std::vector<std::string>{});
    expectBothNames(kOld);
    EXPECT_EQ(journalFiles(), std::vector<std::string>{});
  }
}

// A record whose path now names another file never writes into that file.
TEST_F(JournalTest, RecordOfAReplacedFileTouchesNothing) {
  leaveTornWrite();
  const std::string torn = folder.read("page.htm");
  fs::remove(folder.file("page.htm"));
  folder.write("page.htm", "someone else's page\r\n");
  EXPECT_EQ(journal::finishInterruptedWrites(), std::vector<std::string>{});
  EXPECT_EQ(folder.read("page.htm"), "someone else's page\r\n");
  EXPECT_EQ(folder.read("other.htm"), torn);  // its own name was moved away: nothing to go by
  EXPECT_EQ(journalFiles(), std::vector<std::string>{});
}

// A live writer's record is left to it.
TEST_F(JournalTest, RecordHeldByALiveWriterIsNotSettled) {
  const int fd = ::open(folder.file("page.htm").c_str(), O_RDWR);
  ASSERT_GE(fd, 0);
  journal::Entry entry;
  ASSERT_EQ(entry.begin(fd, pageStat(), folder.file("page.htm"), kNew), 0);
  const pid_t child = ::fork();
  if (child == 0) _exit(journal::finishInterruptedWrites().empty() ? 0 : 1);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(journalFiles().size(), 2u);
  entry.finished();
  ::close(fd);
  EXPECT_EQ(journalFiles(), std::vector<std::string>{});
}

}  // namespace
}  // namespace markloom
