#include "platform/settings/ini_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace markloom {

IniSettingsStore::IniSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Tarnwell", "Markloom 5.0")) {
  isNew_ = !QFileInfo::exists(settings_->fileName());
}

IniSettingsStore::~IniSettingsStore() { sync(); }

QString IniSettingsStore::path(const std::string& key, const std::string& name) {
  QString group = QString::fromStdString(key);
  group.replace('\\', '/');
  const QString value = QString::fromStdString(name);
  return group.isEmpty() ? value : group + '/' + value;
}

bool IniSettingsStore::openKey(const std::string&, bool create) {
  // Groups exist implicitly in the INI file; what can fail is the file itself.
  if (create) QDir().mkpath(QFileInfo(settings_->fileName()).absolutePath());
  return settings_->status() != QSettings::FormatError;
}

SettingsStore::Read IniSettingsStore::read(const std::string& key, const std::string& name) {
  const QVariant v = settings_->value(path(key, name));
  if (!v.isValid()) return {ReadStatus::Absent, {}};
  // A hand-edited list ("a, b" without quotes) or binary value is not text.
  if (v.typeId() != QMetaType::QString) return {ReadStatus::WrongType, {}};
  return {ReadStatus::Text, v.toString().toLocal8Bit().toStdString()};
}

void IniSettingsStore::write(const std::string& key, const std::string& name, const std::string& text) {
  settings_->setValue(path(key, name), QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())));
}

void IniSettingsStore::sync() {
  settings_->sync();
  if (QFileInfo::exists(settings_->fileName()))
    QFile::setPermissions(settings_->fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

}  // namespace markloom
