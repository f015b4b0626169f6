#include "core/workspace/recent_files.h"

#include <algorithm>

namespace markloom {

namespace {
std::string slotName(std::size_t index) { return "File" + std::to_string(index + 1); }
}  // namespace

void RecentFiles::add(const std::string& path) {
  if (path.empty()) return;
  paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > kLimit) paths_.resize(kLimit);
}

void RecentFiles::load(SettingsStore& store) {
  paths_.clear();
  if (!store.openKey(kKey, false)) return;
  for (std::size_t i = 0; i < kLimit; ++i) {
    const SettingsStore::Read read = store.read(kKey, slotName(i));
    if (read.status != SettingsStore::ReadStatus::Text || read.text.empty()) continue;
    if (std::find(paths_.begin(), paths_.end(), read.text) == paths_.end()) paths_.push_back(read.text);
  }
}

void RecentFiles::save(SettingsStore& store) const {
  if (!store.openKey(kKey, true)) return;
  for (std::size_t i = 0; i < kLimit; ++i) store.write(kKey, slotName(i), i < paths_.size() ? paths_[i] : "");
}

}  // namespace markloom
