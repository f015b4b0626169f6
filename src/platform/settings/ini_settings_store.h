#pragma once
// The settings store on Linux: a per-user INI file (organisation "Tarnwell",
// application "Markloom 5.0") through QSettings, readable by its owner only,
// since it may hold passwords. Keys are INI groups; the main key is the file's
// top level.
#include <QSettings>
#include <memory>

#include "core/settings/settings_store.h"

namespace markloom {

class IniSettingsStore : public SettingsStore {
 public:
  IniSettingsStore();
  ~IniSettingsStore() override;

  // True when the store file did not exist yet (a first run).
  bool isNew() const { return isNew_; }
  QString fileName() const { return settings_->fileName(); }

  bool openKey(const std::string& key, bool create) override;
  Read read(const std::string& key, const std::string& name) override;
  void write(const std::string& key, const std::string& name, const std::string& text) override;
  // Writes pending changes and restricts the file to its owner.
  void sync();

 private:
  static QString path(const std::string& key, const std::string& name);
  std::unique_ptr<QSettings> settings_;
  bool isNew_ = false;
};

}  // namespace markloom
