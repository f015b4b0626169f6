#include "core/text/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/common/error.h"

namespace markloom {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("markloom-file-io-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_F(FileIo, EveryByteValueSurvivesWriteAndRead) {
  std::string all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
  const auto path = (dir / "bytes.bin").string();
  writeFileAtomically(path, all);
  EXPECT_EQ(readFile(path), all);
}

TEST_F(FileIo, ReplacingKeepsPermissionsAndLeavesNoSibling) {
  const auto path = (dir / "page.html").string();
  writeFileAtomically(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  writeFileAtomically(path, "new");
  EXPECT_EQ(readFile(path), "new");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(FileIo, FailedWriteReportsCannotCreateAndKeepsTheOriginal) {
  const auto path = (dir / "page.html").string();
  writeFileAtomically(path, "original");
  ::chmod(dir.c_str(), 0500);  // no new file can be created (an existing one is written in place)
  const auto fresh = (dir / "fresh.html").string();
  bool raised = false;
  if (::geteuid() != 0) {  // root ignores the folder's permission bits
    try {
      writeFileAtomically(fresh, "replacement");
    } catch (const Error& e) {
      raised = true;
      EXPECT_EQ(std::string(e.what()), "Cannot create file " + fresh + ": Permission denied");
    }
    EXPECT_TRUE(raised);
    EXPECT_FALSE(fs::exists(fresh));
  }
  ::chmod(dir.c_str(), 0700);
  EXPECT_EQ(readFile(path), "original");
  // A folder in the way fails for everyone, root included.
  try {
    writeFileAtomically((dir / "missing" / "x.html").string(), "x");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot create file " + (dir / "missing" / "x.html").string() + ": No such file or directory");
  }
}

TEST_F(FileIo, ReadingAFolderOrNothingRaisesCannotOpen) {
  EXPECT_THROW(readFile(dir.string()), Error);
  EXPECT_THROW(readFile(""), Error);
}

}  // namespace
}  // namespace markloom
