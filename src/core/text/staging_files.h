#pragma once
// The hidden siblings (".NAME.mkXXXXXX") that hold a file's new content until
// it is renamed over the file. Each one in flight is listed in a fixed table,
// so that a handler for SIGINT or SIGTERM can remove them without allocating
// (removeAllInFlight is async-signal-safe), and is held with an advisory lock
// (flock) while it is in use, so that a later run can tell the leftovers of a
// killed process from the work of a live one.
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace markloom::staging {

// The suffix the siblings share: ".mk" and six letters or digits.
inline constexpr std::string_view kMark = ".mk";
inline constexpr std::size_t kRandomChars = 6;

// True for a name made by stagingName() or a backup link (".NAME.bak.mkXXXXXX").
bool isStagingName(std::string_view baseName);

// Creates a fresh sibling from a pattern ending in "XXXXXX", locks it and
// lists it; path receives its name and ticket the ticket for untrack (-1 when
// the table is full). Returns the open descriptor, which holds the lock until
// it is closed, or -1 with errno set (nothing left behind).
int createLocked(std::string& path, int& ticket);

// Lists an existing sibling (a backup link being made). Returns a ticket for
// untrack, or -1 when the table is full (the file is then only found by the
// next run's sweep).
int track(const std::string& path) noexcept;
void untrack(int ticket) noexcept;

// Unlinks every sibling in flight. Async-signal-safe.
void removeAllInFlight() noexcept;

// A stretch that a termination signal must not cut in two: the in-place write
// of a file. A signal arriving inside one is acted upon when the outermost
// stretch ends.
class Unbroken {
 public:
  Unbroken() noexcept;
  ~Unbroken();
  Unbroken(const Unbroken&) = delete;
  Unbroken& operator=(const Unbroken&) = delete;
};

// For a signal handler: removes the siblings in flight and ends the process by
// the signal, or, inside an Unbroken stretch, sets that aside until the
// stretch ends. Async-signal-safe.
void terminateBySignal(int signal) noexcept;

// Removes the siblings a killed run left in folder: names that isStagingName
// accepts, regular files, not locked by any process and not changed for
// minAge (a live writer locks its file the moment it creates it). Returns how
// many were removed.
std::size_t removeLeftovers(const std::string& folder, std::chrono::seconds minAge = std::chrono::seconds(2));

// removeLeftovers for folder, at most once a minute per folder in this process:
// for writers that run often in the same folder (Save). Returns how many were
// removed.
std::size_t sweepOnce(const std::string& folder);

}  // namespace markloom::staging
