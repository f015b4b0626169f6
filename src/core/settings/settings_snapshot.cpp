#include "core/settings/settings_snapshot.h"

#include "core/common/error.h"
#include "core/text/whole_number.h"

namespace markloom {

const std::string& SettingsSnapshot::text(const SettingRow& row) const {
  static const std::string empty;
  const auto it = values_.find(&row);
  return it == values_.end() ? empty : it->second;
}

std::optional<int> SettingsSnapshot::number(const IntegerSetting& setting) const {
  try {
    const int n = wholeNumber(text(setting.row), TrailingBlanks::Allowed);
    if (n >= setting.row.range.minimum && n <= setting.row.range.maximum) return n;
  } catch (const Error&) {
  }
  return std::nullopt;
}

}  // namespace markloom
