#pragma once
// The per-user store the settings live in: keys holding text values. The load
// order and its failure rules are written against this interface, so they are
// tested without the real store.
#include <string>

namespace markloom {

class SettingsStore {
 public:
  enum class ReadStatus { Text, Absent, WrongType };
  struct Read {
    ReadStatus status = ReadStatus::Absent;
    std::string text;
  };

  virtual ~SettingsStore() = default;
  // Opens key ("" is the main key; "Proxies", "Toolbars\\Settings", ...),
  // creating it when create is set. False when it cannot be opened.
  virtual bool openKey(const std::string& key, bool create) = 0;
  virtual Read read(const std::string& key, const std::string& name) = 0;
  virtual void write(const std::string& key, const std::string& name, const std::string& text) = 0;
};

}  // namespace markloom
