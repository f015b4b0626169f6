#pragma once
// The in-memory copy of every stored setting, read by value name ("Browser 1",
// "Server", "In-Line Tags", ...). Value names are unique across the store's keys.
// Every value is text; an absent value is the empty string.
#include <map>
#include <string>

namespace markloom {

class SettingsSnapshot {
 public:
  // The last loaded text of a value, "" when never loaded.
  const std::string& value(const std::string& name) const;
  // Flags are on only for exactly "True".
  bool flag(const std::string& name) const { return value(name) == "True"; }
  void set(const std::string& name, const std::string& text) { values_[name] = text; }
  bool operator==(const SettingsSnapshot&) const = default;

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace markloom
