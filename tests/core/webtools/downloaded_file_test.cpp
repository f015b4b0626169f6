#include "core/webtools/downloaded_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/common/error.h"
#include "support/scratch_folder.h"

namespace markloom {
namespace {

// A finished download in a file of its own, open for reading.
class Download {
 public:
  Download(const test::ScratchFolder& dir, const std::string& bytes) : size_(static_cast<std::int64_t>(bytes.size())) {
    dir.write("download.tmp", bytes + "bytes past the download's end");
    fd_ = ::open(dir.file("download.tmp").c_str(), O_RDONLY | O_CLOEXEC);
  }
  ~Download() { ::close(fd_); }
  int fd() const { return fd_; }
  std::int64_t size() const { return size_; }

 private:
  std::int64_t size_;
  int fd_ = -1;
};

mode_t modeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

TEST(InstallDownloadedFile, NewAndExistingTargetsGetExactlyTheDownloadedBytes) {
  test::ScratchFolder dir("downloaded-file");
  const std::string page(300000, 'p');  // more than one copy step
  Download download(dir, page);

  installDownloadedFile(download.fd(), download.size(), dir.file("new.htm"));
  EXPECT_EQ(dir.read("new.htm"), page);

  dir.write("old.htm", "old");
  ::chmod(dir.file("old.htm").c_str(), 0640);
  installDownloadedFile(download.fd(), download.size(), dir.file("old.htm"));
  EXPECT_EQ(dir.read("old.htm"), page);
  EXPECT_EQ(modeOf(dir.file("old.htm")), 0640u) << "permissions are kept";

  // A link is followed and stays a link.
  dir.write("real.htm", "real");
  std::filesystem::create_symlink("real.htm", dir.path() / "link.htm");
  installDownloadedFile(download.fd(), download.size(), dir.file("link.htm"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link.htm"));
  EXPECT_EQ(dir.read("real.htm"), page);
}

TEST(InstallDownloadedFile, ATargetThatCannotBeWrittenIsReportedAndLeftAsItWas) {
  test::ScratchFolder dir("downloaded-file");
  Download download(dir, "page");
  struct Case {
    const char* name;
    std::string target;
    const char* reason;
  };
  std::filesystem::create_directory(dir.path() / "folder");
  const Case cases[] = {
      {"a missing folder", dir.file("missing/page.htm"), "No such file or directory"},
      {"a folder", dir.file("folder"), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      installDownloadedFile(download.fd(), download.size(), c.target);
      ADD_FAILURE() << "installed";
    } catch (const Error& e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind("Cannot create file " + c.target, 0), 0u) << message;
      EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder"));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "folder"));
}

}  // namespace
}  // namespace markloom
