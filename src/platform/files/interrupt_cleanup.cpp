#include "platform/files/interrupt_cleanup.h"

#include <csignal>

#include "core/text/staging_files.h"

namespace markloom {

namespace {

extern "C" void onTerminationSignal(int signal) { staging::terminateBySignal(signal); }

}  // namespace

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
