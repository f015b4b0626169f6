#include "platform/files/interrupt_cleanup.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdint>
#include <cstring>

#include "core/text/staging_files.h"

namespace markloom {

namespace {

std::atomic<const char*> workFolder{nullptr};

// Only calls that are safe in a signal handler: the folder's entries are
// read with the raw system call, not with opendir.
void removeFlatFolder(const char* folder) noexcept {
  const int dir = ::open(folder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (dir < 0) return;
  alignas(8) char entries[4096];
  for (;;) {
    const long got = ::syscall(SYS_getdents64, dir, entries, sizeof entries);
    if (got <= 0) break;
    for (long at = 0; at < got;) {
      // struct linux_dirent64: inode, offset, record length, type, name.
      unsigned short length = 0;
      std::memcpy(&length, entries + at + 16, sizeof length);
      const char* name = entries + at + 19;
      if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0) ::unlinkat(dir, name, 0);
      at += length;
    }
  }
  ::close(dir);
  ::rmdir(folder);
}

extern "C" void onTerminationSignal(int signal) {
  if (const char* folder = workFolder.exchange(nullptr)) removeFlatFolder(folder);
  staging::terminateBySignal(signal);
}

}  // namespace

void removeFolderOnInterrupt(const char* folder) noexcept { workFolder = folder; }

void removeStagingFilesOnInterrupt() {
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  // The other termination signals wait while one is handled.
  sigaddset(&action.sa_mask, SIGINT);
  sigaddset(&action.sa_mask, SIGTERM);
  sigaddset(&action.sa_mask, SIGHUP);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction previous {};
    // A signal the caller's parent set to be ignored stays ignored.
    if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
    ::sigaction(signal, &action, nullptr);
  }
}

}  // namespace markloom
