#include "core/settings/settings_snapshot.h"

namespace markloom {

const std::string& SettingsSnapshot::value(const std::string& name) const {
  static const std::string empty;
  const auto it = values_.find(name);
  return it == values_.end() ? empty : it->second;
}

}  // namespace markloom
