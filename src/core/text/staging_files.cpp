#include "core/text/staging_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace markloom::staging {

namespace {

// Enough for the batches a replace pass keeps waiting plus a few saves.
constexpr std::size_t kSlots = 512;
constexpr std::size_t kPathBytes = 4096;

enum SlotState : int { Free = 0, Filling = 1, Listed = 2 };

struct Slot {
  std::atomic<int> state{Free};
  char path[kPathBytes];
};

std::array<Slot, kSlots>& slots() {
  static std::array<Slot, kSlots> table;
  return table;
}

std::atomic<int> unbrokenDepth{0};
std::atomic<int> pendingSignal{0};

bool isRandomChar(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

[[noreturn]] void endBySignal(int signal) noexcept {
  removeAllInFlight();
  ::signal(signal, SIG_DFL);
  // Inside its handler the signal is blocked: let it through, so the process
  // ends by it as it would have without a handler.
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
  ::raise(signal);
  ::_exit(128 + signal);
}

}  // namespace

bool isStagingName(std::string_view name) {
  const std::size_t tail = kMark.size() + kRandomChars;
  if (name.size() < 2 + tail || name[0] != '.') return false;
  const std::string_view suffix = name.substr(name.size() - tail);
  if (!suffix.starts_with(kMark)) return false;
  for (char c : suffix.substr(kMark.size()))
    if (!isRandomChar(c)) return false;
  return true;
}

int track(const std::string& path) noexcept {
  if (path.size() >= kPathBytes) return -1;
  auto& table = slots();
  for (std::size_t i = 0; i < kSlots; ++i) {
    int expected = Free;
    if (!table[i].state.compare_exchange_strong(expected, Filling)) continue;
    std::memcpy(table[i].path, path.c_str(), path.size() + 1);
    table[i].state.store(Listed);
    return static_cast<int>(i);
  }
  return -1;
}

void untrack(int ticket) noexcept {
  if (ticket < 0 || static_cast<std::size_t>(ticket) >= kSlots) return;
  auto& slot = slots()[static_cast<std::size_t>(ticket)];
  slot.state.store(Filling);  // a handler running now leaves it alone
  slot.path[0] = '\0';
  slot.state.store(Free);
}

void removeAllInFlight() noexcept {
  for (auto& slot : slots())
    if (slot.state.load() == Listed) ::unlink(slot.path);
}

int createLocked(std::string& path, int& ticket) {
  ticket = -1;
  // A signal between creating and listing the file would leave it behind.
  const Unbroken listing;
  std::vector<char> name(path.begin(), path.end());
  name.push_back('\0');
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    // Someone's sweep took the fresh file for a leftover: start again.
    const int error = errno;
    ::unlink(name.data());
    ::close(fd);
    errno = error == EWOULDBLOCK ? EAGAIN : error;
    return -1;
  }
  path.assign(name.data());
  ticket = track(path);
  return fd;
}

Unbroken::Unbroken() noexcept { unbrokenDepth.fetch_add(1); }

Unbroken::~Unbroken() {
  if (unbrokenDepth.fetch_sub(1) != 1) return;
  if (const int signal = pendingSignal.exchange(0)) endBySignal(signal);
}

void terminateBySignal(int signal) noexcept {
  // Set aside first, then look: a stretch ending meanwhile finds it.
  pendingSignal.store(signal);
  if (unbrokenDepth.load() > 0) return;
  if (pendingSignal.exchange(0) == 0) return;  // the stretch's end took it
  endBySignal(signal);
}

std::size_t removeLeftovers(const std::string& folder, std::chrono::seconds minAge) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return 0;
  const int dirFd = ::dirfd(dir);
  const std::time_t now = std::time(nullptr);
  std::size_t removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    if (!isStagingName(entry->d_name)) continue;
    const int fd = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    const bool candidate = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                           now - st.st_ctime >= static_cast<std::time_t>(minAge.count()) &&
                           ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    // Still held: the same file under that name (not one made meanwhile).
    struct stat now_st {};
    if (candidate && ::fstatat(dirFd, entry->d_name, &now_st, AT_SYMLINK_NOFOLLOW) == 0 && now_st.st_ino == st.st_ino &&
        now_st.st_dev == st.st_dev && ::unlinkat(dirFd, entry->d_name, 0) == 0)
      ++removed;
    ::close(fd);
  }
  ::closedir(dir);
  return removed;
}

std::size_t sweepOnce(const std::string& folder) {
  struct stat st {};
  if (::stat(folder.empty() ? "." : folder.c_str(), &st) != 0) return 0;
  static std::mutex mutex;
  static std::map<std::pair<dev_t, ino_t>, std::time_t> swept;
  const std::time_t now = std::time(nullptr);
  {
    const std::lock_guard<std::mutex> hold(mutex);
    auto [at, fresh] = swept.try_emplace({st.st_dev, st.st_ino}, now);
    if (!fresh && now - at->second < 60) return 0;
    at->second = now;
  }
  return removeLeftovers(folder);
}

}  // namespace markloom::staging
