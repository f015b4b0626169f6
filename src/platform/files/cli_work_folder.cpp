#include "platform/files/cli_work_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/files/interrupt_cleanup.h"
#include "platform/files/temporary_folder.h"

namespace markloom {

namespace {

constexpr std::string_view kPrefix = "markloom-cli-";

// The process id in "markloom-cli-<pid>-XXXXXX"; 0 for any other name.
pid_t ownerOf(std::string_view name) {
  if (name.substr(0, kPrefix.size()) != kPrefix) return 0;
  name.remove_prefix(kPrefix.size());
  const std::size_t dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash > 9 || name.size() - dash - 1 != 6) return 0;
  pid_t pid = 0;
  for (char c : name.substr(0, dash)) {
    if (c < '0' || c > '9') return 0;
    pid = pid * 10 + (c - '0');
  }
  return pid;
}

bool processGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

CliWorkFolder::CliWorkFolder() {
  std::string pattern = temporaryFolder() + "/" + std::string(kPrefix) + std::to_string(::getpid()) + "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!::mkdtemp(name.data())) return;
  path_ = name.data();
  removeFolderOnInterrupt(path_.c_str());
}

CliWorkFolder::~CliWorkFolder() {
  if (path_.empty()) return;
  removeFolderOnInterrupt(nullptr);
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::size_t CliWorkFolder::sweepLeftovers(const std::string& tempFolder) {
  std::size_t removed = 0;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(tempFolder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const pid_t owner = ownerOf(name);
    if (owner <= 0 || owner == ::getpid()) continue;
    struct stat st {};
    if (::lstat(it->path().c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) continue;
    if (!processGone(owner)) continue;
    std::error_code ignored;
    if (std::filesystem::remove_all(it->path(), ignored) > 0) ++removed;
  }
  return removed;
}

}  // namespace markloom
