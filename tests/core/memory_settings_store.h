#pragma once
// An in-memory settings store for core tests: keys, values, keys that refuse
// to open, and the order values were read in.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/settings/settings_store.h"

namespace markloom::test {

class MemoryStore : public SettingsStore {
 public:
  std::map<std::pair<std::string, std::string>, Read> values;
  std::set<std::string> keys;
  std::set<std::string> unopenable;
  std::vector<std::string> readOrder;

  bool openKey(const std::string& key, bool create) override {
    if (unopenable.count(key)) return false;
    if (create) keys.insert(key);
    return keys.count(key) > 0;
  }
  Read read(const std::string& key, const std::string& name) override {
    readOrder.push_back(name);
    auto it = values.find({key, name});
    return it == values.end() ? Read{} : it->second;
  }
  void write(const std::string& key, const std::string& name, const std::string& text) override {
    values[{key, name}] = {ReadStatus::Text, text};
  }
  void set(const std::string& key, const std::string& name, const std::string& text) { write(key, name, text); }
  std::string text(const std::string& key, const std::string& name) const {
    auto it = values.find({key, name});
    return it == values.end() ? std::string() : it->second.text;
  }
};

}  // namespace markloom::test
