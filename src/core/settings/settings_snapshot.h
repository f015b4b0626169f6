#pragma once
// The texts of stored settings, by row of the settings table: the in-memory
// copy the program reads (the snapshot), and the values Preferences writes.
// Every value is text; one never set reads as "".
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/setting.h"

namespace markloom {

class SettingsSnapshot {
 public:
  // A flag is on only for exactly "True"; one the snapshot does not hold
  // reads as its row's value when absent.
  bool get(const FlagSetting& setting) const {
    if (!contains(setting.row)) return setting.row.whenAbsent && std::string_view(setting.row.whenAbsent) == "True";
    return text(setting.row) == "True";
  }
  // Numbers, colours, lists and texts are read as stored: what they mean is
  // decided where they are applied, so a bad value fails at its own place.
  template <SettingKind K>
    requires(K != SettingKind::Flag)
  const std::string& get(const Setting<K>& setting) const {
    return text(setting.row);
  }
  // The whole number a setting holds (blanks around it forgiven) when it is
  // one within the setting's range; nullopt otherwise.
  std::optional<int> number(const IntegerSetting& setting) const;

  const std::string& text(const SettingRow& row) const;
  bool contains(const SettingRow& row) const { return values_.count(&row) > 0; }

  template <SettingKind K>
  void set(const Setting<K>& setting, std::string text) {
    set(setting.row, std::move(text));
  }
  void setFlag(const FlagSetting& setting, bool on) { set(setting.row, on ? "True" : ""); }
  void set(const SettingRow& row, std::string text) { values_[&row] = std::move(text); }
  void erase(const SettingRow& row) { values_.erase(&row); }

  bool operator==(const SettingsSnapshot&) const = default;

 private:
  // Rows are the constants of the settings table, so their addresses identify them.
  std::map<const SettingRow*, std::string> values_;
};

}  // namespace markloom
