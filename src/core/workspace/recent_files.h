#pragma once
// File > Recent Files: the files opened or saved last, newest first, kept in
// the settings store under "Recent Files" as File1..File10.
#include <cstddef>
#include <string>
#include <vector>

#include "core/settings/settings_store.h"

namespace markloom {

class RecentFiles {
 public:
  static constexpr std::size_t kLimit = 10;
  static constexpr const char* kKey = "Recent Files";

  // Puts path first; an entry already in the list moves up instead of
  // appearing twice, and the oldest beyond the limit falls off.
  void add(const std::string& path);
  const std::vector<std::string>& paths() const { return paths_; }

  // Empty and missing slots are skipped, duplicates keep their first place.
  void load(SettingsStore& store);
  // Every slot is written, unused ones empty, so a shorter list leaves no
  // stale entries behind.
  void save(SettingsStore& store) const;

 private:
  std::vector<std::string> paths_;
};

}  // namespace markloom
