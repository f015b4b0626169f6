#pragma once
// The documents open at a clean exit, reopened at the next start: each file
// with its caret line, and which one was active. Kept in the settings store
// under "Session"; "Restore" there switches the reopening off ("False").
#include <string>
#include <vector>

#include "core/settings/settings_store.h"

namespace markloom {

struct SessionDocument {
  std::string path;
  int caretLine = 0;  // 0-based

  bool operator==(const SessionDocument&) const = default;
};

struct Session {
  std::vector<SessionDocument> documents;  // in the order they were opened
  int active = -1;                         // index into documents, -1 for none

  bool operator==(const Session&) const = default;
};

inline constexpr const char* kSessionKey = "Session";

// Entries with no path are skipped; an active index out of range becomes -1,
// and a caret line that is not a whole number becomes 0.
Session readSession(SettingsStore& store);
// Replaces the stored session, clearing the slots of a longer earlier one.
void writeSession(SettingsStore& store, const Session& session);

// On unless the store says exactly "False" (a store from before the option
// existed reopens the session).
bool sessionRestoreEnabled(SettingsStore& store);
// Stores the switch as "True" or "False".
void writeSessionRestore(SettingsStore& store, bool on);

}  // namespace markloom
