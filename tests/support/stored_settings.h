#pragma once
// Reading and writing one value of the settings store as the program keeps
// it, for tests that set up or check stored settings under a TempHome.
#include <string>

#include "platform/settings/ini_settings_store.h"

namespace markloom::test {

inline std::string stored(const std::string& key, const std::string& name) {
  IniSettingsStore store;
  return store.read(key, name).text;
}

inline void storeValue(const std::string& key, const std::string& name, const std::string& text) {
  IniSettingsStore store;
  store.write(key, name, text);
  store.sync();
}

}  // namespace markloom::test
