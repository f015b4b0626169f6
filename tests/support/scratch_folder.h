#pragma once
// A fresh, empty folder for one test of the Qt-free core, removed with
// everything in it when the test ends. Header only: the core's tests link
// the core alone.
#include <gtest/gtest.h>

#include <unistd.h>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace markloom::test {

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& purpose) {
    static std::atomic<int> serial{0};
    dir_ = std::filesystem::temp_directory_path() /
           ("markloom-" + purpose + "-" + std::to_string(getpid()) + "-" + std::to_string(++serial));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    // A test may have taken the write permission away.
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(dir_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return dir_; }
  std::string file(const std::string& name) const { return (dir_ / name).string(); }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  // The file's bytes; empty when it is missing.
  std::string read(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

 private:
  std::filesystem::path dir_;
};

}  // namespace markloom::test
