// Passes over real files: what is replaced, what is left alone (bytes and
// modification time), backups, per-file prompting, warnings, and failures.
#include "core/findreplace/replace_pass.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/common/error.h"
#include "core/text/write_journal.h"

namespace markloom {
namespace {

namespace fs = std::filesystem;
using A = PromptAnswer;

class ReplacePassTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = fs::temp_directory_path() / ("markloom-replace-" + std::to_string(::getpid()) + "-" + info->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    ::chmod(dir.c_str(), 0700);
    fs::remove_all(dir);
  }

  std::string put(const std::string& name, const std::string& bytes) const {
    const auto path = (dir / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  static std::string get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Names in the folder, to show that no temporary file is left behind.
  std::vector<std::string> names() const {
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(dir)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
  }
  static void setOldTime(const std::string& path) {
    const struct timespec times[2] = {{1000000000, 123456789}, {1000000000, 123456789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  }
  static struct timespec modified(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mtim;
  }

  static ReplaceOptions catToDog() {
    ReplaceOptions o;
    o.find = "cat";
    o.replace = "dog";
    return o;
  }

  fs::path dir;
  std::vector<std::string> warnings;
  PassCallbacks collectWarnings() {
    PassCallbacks cb;
    cb.warn = [this](const std::string& w) { warnings.push_back(w); };
    return cb;
  }
};

TEST_F(ReplacePassTest, FilesWithNothingReplacedAreLeftExactlyAsTheyWere) {
  const auto plain = put("plain.htm", "no such animal\r\n");
  const auto empty = put("empty.htm", "");
  const auto oldBackup = put("plain.htm.bak", "older backup");
  setOldTime(plain);
  setOldTime(empty);
  auto o = catToDog();
  o.backup = true;
  ReplacePass pass(o, collectWarnings());
  const auto outcomes = pass.run({plain, empty});
  EXPECT_EQ(outcomes, (std::vector{FileOutcome::Unchanged, FileOutcome::Unchanged}));
  EXPECT_EQ(get(plain), "no such animal\r\n");
  EXPECT_EQ(get(empty), "");
  EXPECT_EQ(get(oldBackup), "older backup");
  for (const auto& p : {plain, empty}) {
    EXPECT_EQ(modified(p).tv_sec, 1000000000);
    EXPECT_EQ(modified(p).tv_nsec, 123456789);
  }
  EXPECT_EQ(names(), (std::vector<std::string>{"empty.htm", "plain.htm", "plain.htm.bak"}));
  EXPECT_EQ(pass.counters().filesRead, 2);
  EXPECT_EQ(pass.counters().bytesWritten, 0);
  EXPECT_TRUE(warnings.empty());
}

TEST_F(ReplacePassTest, CountersFollowTheBytesReadAndWritten) {
  const auto a = put("a.htm", "a cat\r\nand a cat\r\n");  // 18 bytes, 2 occurrences
  const auto b = put("b.htm", "no match\r\n");            // 10 bytes
  const auto c = put("c.htm", "cat");                     // 3 bytes, no line end
  auto o = catToDog();
  o.replace = "kitten";
  std::vector<ReplaceCounters> seen;
  PassCallbacks cb;
  cb.progress = [&](const ReplaceCounters& counters) {
    seen.push_back(counters);
    return true;
  };
  ReplacePass pass(o, cb, 4);
  EXPECT_EQ(pass.run({a, b, c}), (std::vector{FileOutcome::Changed, FileOutcome::Unchanged, FileOutcome::Changed}));
  EXPECT_EQ(get(a), "a kitten\r\nand a kitten\r\n");
  EXPECT_EQ(get(c), "kitten");
  const auto& k = pass.counters();
  EXPECT_EQ(k.filesRead, 3);
  EXPECT_EQ(k.bytesRead, 31);
  EXPECT_EQ(k.totalSize, 31);
  EXPECT_EQ(k.bytesWritten, 24 + 6);
  EXPECT_EQ(k.occurrences, 3);
  EXPECT_EQ(progressPercent(k), 100);
  ASSERT_FALSE(seen.empty());
  for (std::size_t i = 1; i < seen.size(); ++i) EXPECT_GE(seen[i].bytesRead, seen[i - 1].bytesRead);
  EXPECT_LT(progressPercent(seen.front()), 100);
}

TEST_F(ReplacePassTest, ReplacedFileKeepsItsPermissionsAndLeavesNoTemporaryFile) {
  const auto page = put("page.htm", "the cat sat\n");
  ASSERT_EQ(::chmod(page.c_str(), 0640), 0);
  ReplacePass pass(catToDog());
  EXPECT_EQ(pass.run({page}), std::vector{FileOutcome::Changed});
  EXPECT_EQ(get(page), "the dog sat\n");
  struct stat st {};
  ASSERT_EQ(::stat(page.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(names(), std::vector<std::string>{"page.htm"});
}

TEST_F(ReplacePassTest, BackupHoldsTheOriginalAndASecondPassReplacesIt) {
  const auto page = put("a.htm", "cat\r\n");
  auto o = catToDog();
  o.backup = true;
  ReplacePass(o).run({page});
  EXPECT_EQ(get(page), "dog\r\n");
  EXPECT_EQ(get(page + ".bak"), "cat\r\n");
  o.find = "dog";
  o.replace = "cow";
  ReplacePass(o).run({page});
  EXPECT_EQ(get(page), "cow\r\n");
  EXPECT_EQ(get(page + ".bak"), "dog\r\n");
  EXPECT_EQ(names(), (std::vector<std::string>{"a.htm", "a.htm.bak"}));
}

TEST_F(ReplacePassTest, AllAndCancelLastForOneFileOnly) {
  const auto one = put("one.htm", "cat cat\r\n");
  const auto two = put("two.htm", "cat cat\r\n");
  const auto three = put("three.htm", "cat cat\r\n");
  auto o = catToDog();
  o.prompt = true;
  std::deque<A> answers{A::All, A::Cancel, A::Yes, A::Cancel};
  std::vector<std::string> questions;
  PassCallbacks cb;
  cb.prompt = [&](const ReplaceQuestion& q) {
    questions.push_back(q.text());
    const A a = answers.front();
    answers.pop_front();
    return a;
  };
  ReplacePass pass(o, cb);
  EXPECT_EQ(pass.run({one, two, three}),
            (std::vector{FileOutcome::Changed, FileOutcome::Unchanged, FileOutcome::Changed}));
  EXPECT_EQ(get(one), "dog dog\r\n");
  EXPECT_EQ(get(two), "cat cat\r\n");
  EXPECT_EQ(get(three), "dog cat\r\n");
  ASSERT_EQ(questions.size(), 4u);
  EXPECT_EQ(questions[0], "Replace \"cat\" with \"dog\" in file\n" + one + "\nFor the following line:\n\ncat cat");
  EXPECT_EQ(questions[3], "Replace \"cat\" with \"dog\" in file\n" + three + "\nFor the following line:\n\ndog cat");
  EXPECT_EQ(pass.counters().occurrences, 3);
}

TEST_F(ReplacePassTest, AFileNamedLikeAFixedTemporaryNameIsReplacedLikeAnyOther) {
  const auto tmp = put("Tmpfile.txt", "cat in Tmpfile\r\n");
  const auto other = put("other.htm", "cat in other\r\n");
  ReplacePass pass(catToDog());
  EXPECT_EQ(pass.run({other, tmp}), (std::vector{FileOutcome::Changed, FileOutcome::Changed}));
  EXPECT_EQ(get(tmp), "dog in Tmpfile\r\n");
  EXPECT_EQ(get(other), "dog in other\r\n");
  EXPECT_EQ(names(), (std::vector<std::string>{"Tmpfile.txt", "other.htm"}));
}

TEST_F(ReplacePassTest, FilesThatCannotBeAccessedAreReportedAndThePassGoesOn) {
  const auto missing = (dir / "missing.htm").string();
  const auto folder = (dir / "folder").string();
  fs::create_directory(folder);
  const auto fifo = (dir / "pipe").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto good = put("good.htm", "cat\r\n");
  ReplacePass pass(catToDog(), collectWarnings());
  EXPECT_EQ(pass.run({missing, folder, fifo, good}), (std::vector{FileOutcome::AccessFailed, FileOutcome::AccessFailed,
                                                                  FileOutcome::AccessFailed, FileOutcome::Changed}));
  EXPECT_EQ(warnings, (std::vector<std::string>{"Error accessing file " + missing, "Error accessing file " + folder,
                                                "Error accessing file " + fifo}));
  EXPECT_EQ(get(good), "dog\r\n");
  EXPECT_EQ(pass.counters().filesRead, 1);
}

TEST_F(ReplacePassTest, SymbolicLinkStaysALinkToTheReplacedFile) {
  const auto real = put("real.htm", "cat\n");
  const auto link = (dir / "link.htm").string();
  fs::create_symlink(real, link);
  ReplacePass pass(catToDog());
  EXPECT_EQ(pass.run({link}), std::vector{FileOutcome::Changed});
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(get(real), "dog\n");
}

TEST_F(ReplacePassTest, AFileListedTwiceIsReadAsTheFirstEntryLeftIt) {
  const auto page = put("page.htm", "a\n");
  const auto link = (dir / "link.htm").string();
  fs::create_symlink(page, link);
  auto o = catToDog();
  o.find = "a";
  o.replace = "aa";
  o.backup = true;
  ReplacePass pass(o);
  EXPECT_EQ(pass.run({page, link, page}),
            (std::vector{FileOutcome::Changed, FileOutcome::Changed, FileOutcome::Changed}));
  EXPECT_EQ(get(page), "aaaaaaaa\n");
  EXPECT_EQ(get(page + ".bak"), "aaaa\n");
  EXPECT_EQ(pass.counters().occurrences, 7);
}

TEST_F(ReplacePassTest, ManyFilesAreAllInstalledAcrossBatches) {
  std::vector<std::string> list;
  for (int i = 0; i < 150; ++i) list.push_back(put("p" + std::to_string(i) + ".htm", "a cat " + std::to_string(i)));
  list.push_back(list[3]);  // again, long after its batch was handed on
  auto o = catToDog();
  o.replace = "cat cat";
  ReplacePass pass(o);
  const auto outcomes = pass.run(list);
  EXPECT_EQ(outcomes, std::vector<FileOutcome>(151, FileOutcome::Changed));
  for (int i = 0; i < 150; ++i) {
    EXPECT_EQ(get(list[i]), (i == 3 ? "a cat cat cat cat " : "a cat cat ") + std::to_string(i)) << i;
  }
  EXPECT_EQ(names().size(), 150u);
}

TEST_F(ReplacePassTest, LongFileNamesLeaveRoomForTheTemporaryName) {
  const auto page = put(std::string(240, 'n') + ".htm", "cat\n");
  ReplacePass pass(catToDog(), collectWarnings());
  EXPECT_EQ(pass.run({page}), std::vector{FileOutcome::Changed});
  EXPECT_EQ(get(page), "dog\n");
  EXPECT_TRUE(warnings.empty());
}

TEST_F(ReplacePassTest, CancelInTheMiddleOfAFileLeavesItUntouched) {
  const auto first = put("first.htm", "cat\r\n");
  const auto second = put("second.htm", std::string(1000, 'x') + "cat" + std::string(1000, 'x'));
  const auto third = put("third.htm", "cat\r\n");
  int calls = 0;
  PassCallbacks cb;
  cb.progress = [&](const ReplaceCounters& c) { return ++calls < 4 || c.bytesRead < 100; };
  ReplacePass pass(catToDog(), cb, 64);
  EXPECT_EQ(pass.run({first, second, third}),
            (std::vector{FileOutcome::Changed, FileOutcome::NotReached, FileOutcome::NotReached}));
  EXPECT_EQ(get(first), "dog\r\n");
  EXPECT_EQ(get(second), std::string(1000, 'x') + "cat" + std::string(1000, 'x'));
  EXPECT_EQ(get(third), "cat\r\n");
  EXPECT_EQ(names(), (std::vector<std::string>{"first.htm", "second.htm", "third.htm"}));
}

// The checks below run in a child process, because they change its user or
// its file size limit. The child's exit status carries the result.
int inChild(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    int code = 99;
    try {
      code = body();
    } catch (...) {
      code = 98;
    }
    ::_exit(code);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

// Nothing can be created beside the file, but the file itself may be written:
// it is written in place once its new content is whole, as a save does.
TEST_F(ReplacePassTest, AWritableFileInAFolderThatIsNotIsWrittenInPlace) {
  const auto page = put("page.htm", "cat\r\n");
  ASSERT_EQ(::chmod(page.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(dir.c_str(), 0555), 0);
  struct stat before {};
  ASSERT_EQ(::stat(page.c_str(), &before), 0);
  // The unprivileged child keeps its journal where it may write.
  const fs::path journalFolder = fs::temp_directory_path() / ("markloom-journal-" + std::to_string(::getpid()));
  const int code = inChild([&] {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 97;
    journal::setFolderSource([&] { return journalFolder.string(); });
    std::vector<std::string> seen;
    PassCallbacks cb;
    cb.warn = [&](const std::string& w) { seen.push_back(w); };
    ReplacePass pass(catToDog(), cb);
    const auto outcomes = pass.run({page});
    if (outcomes != std::vector{FileOutcome::Changed}) return 1;
    if (!seen.empty()) return 2;
    return 0;
  });
  fs::remove_all(journalFolder);
  if (code == 97) GTEST_SKIP() << "cannot drop privileges here";
  EXPECT_EQ(code, 0);
  ::chmod(dir.c_str(), 0700);
  EXPECT_EQ(get(page), "dog\r\n");
  struct stat after {};
  ASSERT_EQ(::stat(page.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "written in place, not replaced";
  EXPECT_EQ(names(), std::vector<std::string>{"page.htm"});
}

TEST_F(ReplacePassTest, AWriteFailureEndsThePassAndKeepsEveryOriginal) {
  const std::string bigText = std::string(300000, 'x') + "cat\r\n";
  const auto small = put("small.htm", "cat\r\n");
  const auto big = put("big.htm", bigText);
  const auto after = put("after.htm", "cat\r\n");
  const int code = inChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit = {100000, 100000};  // new files may not grow past 100 kB
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 97;
    ReplacePass pass(catToDog());
    try {
      pass.run({small, big, after});
    } catch (const Error& e) {
      return std::string(e.what()).find("big.htm") != std::string::npos ? 0 : 2;
    }
    return 1;
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(get(small), "dog\r\n");  // finished before the failure
  EXPECT_EQ(get(big), bigText);
  EXPECT_EQ(get(after), "cat\r\n");
  EXPECT_EQ(names(), (std::vector<std::string>{"after.htm", "big.htm", "small.htm"}));
}

}  // namespace
}  // namespace markloom
