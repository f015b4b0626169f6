#include "core/workspace/session.h"

#include <algorithm>
#include <charconv>

#include "core/settings/settings_schema.h"
#include "core/settings/settings_table.h"

namespace markloom {

namespace {
std::string text(SettingsStore& store, const std::string& name) {
  const SettingsStore::Read read = store.read(kSessionKey, name);
  return read.status == SettingsStore::ReadStatus::Text ? read.text : std::string();
}

int number(const std::string& s, int fallback) {
  int value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  return error == std::errc() && end == s.data() + s.size() ? value : fallback;
}

std::string fileSlot(std::size_t i) { return "File" + std::to_string(i + 1); }
std::string lineSlot(std::size_t i) { return "Line" + std::to_string(i + 1); }
}  // namespace

Session readSession(SettingsStore& store) {
  Session session;
  if (!store.openKey(kSessionKey, false)) return session;
  const int count = number(text(store, "Count"), 0);
  const int active = number(text(store, "Active"), -1);
  for (int i = 0; i < count && i < 10000; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    std::string path = text(store, fileSlot(slot));
    if (path.empty()) continue;
    if (i == active) session.active = static_cast<int>(session.documents.size());
    session.documents.push_back({std::move(path), std::max(0, number(text(store, lineSlot(slot)), 0))});
  }
  return session;
}

void writeSession(SettingsStore& store, const Session& session) {
  if (!store.openKey(kSessionKey, true)) return;
  const std::size_t previous = static_cast<std::size_t>(std::max(0, number(text(store, "Count"), 0)));
  const std::size_t count = session.documents.size();
  for (std::size_t i = 0; i < count; ++i) {
    store.write(kSessionKey, fileSlot(i), session.documents[i].path);
    store.write(kSessionKey, lineSlot(i), std::to_string(session.documents[i].caretLine));
  }
  for (std::size_t i = count; i < previous && i < 10000; ++i) {
    store.write(kSessionKey, fileSlot(i), "");
    store.write(kSessionKey, lineSlot(i), "");
  }
  store.write(kSessionKey, "Count", std::to_string(count));
  const bool activeValid = session.active >= 0 && static_cast<std::size_t>(session.active) < count;
  store.write(kSessionKey, "Active", std::to_string(activeValid ? session.active : -1));
}

bool sessionRestoreEnabled(SettingsStore& store) { return readStored(store, kReopenSession.row) != "False"; }

void writeSessionRestore(SettingsStore& store, bool on) {
  const std::string key(kReopenSession.row.section);
  if (store.openKey(key, true)) store.write(key, std::string(kReopenSession.row.key), on ? "True" : "False");
}

}  // namespace markloom
