#include "core/text/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

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

// Only plain files are read, and nothing else is waited on: a FIFO with no
// writer would hold a blocking open() for good.
TEST_F(FileIo, AnythingButAPlainFileIsRefusedAtOnce) {
  const std::string fifo = (dir / "pipe.htm").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string socketPath = (dir / "sock.htm").string();
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::strncpy(addr.sun_path, socketPath.c_str(), sizeof addr.sun_path - 1);
  ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  fs::create_symlink(fifo, dir / "link-to-pipe.htm");
  const struct {
    std::string path;
    std::string reason;
  } rows[] = {
      {fifo, "not a regular file (a FIFO)"},
      {(dir / "link-to-pipe.htm").string(), "not a regular file (a FIFO)"},
      {"/dev/null", "not a regular file (a character device)"},
      {socketPath, "not a regular file (a socket)"},
      {dir.string(), "it is a folder"},
  };
  // Should an open wait after all, writers come along after 5 s and the
  // case fails instead of hanging.
  std::atomic<bool> done{false};
  std::thread rescue([&] {
    for (int i = 0; i < 50 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    for (; !done; std::this_thread::sleep_for(std::chrono::milliseconds(100)))
      ::close(::open(fifo.c_str(), O_RDWR | O_NONBLOCK));
  });
  for (const auto& row : rows) {
    std::string message;
    try {
      readFile(row.path);
    } catch (const Error& e) {
      message = e.what();
    }
    EXPECT_EQ(message, "Cannot open file " + row.path + ": " + row.reason);
    std::size_t pieces = 0;
    EXPECT_THROW(readFileInPieces(row.path, [&](std::string_view) { ++pieces; }), Error) << row.path;
    EXPECT_EQ(pieces, 0u);
  }
  done = true;
  rescue.join();
  ::close(s);
}

}  // namespace
}  // namespace markloom
