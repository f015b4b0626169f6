// The Hostdeck window's site profiles and its log file.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "core/common/error.h"
#include "core/sites/site_profile.h"
#include "core/text/file_writer.h"
#include "platform/files/program_folder.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/sites/hostdeck_window.h"

namespace markloom {

namespace {
std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }
std::string text(const QString& s) { return s.toStdString(); }
QString shown(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

QString HostdeckWindow::profilesFolder() { return workPath(QStringLiteral("Projects")); }

void HostdeckWindow::refreshProfiles() {
  QDir().mkpath(profilesFolder());
  profiles_->clear();
  profiles_->addItems(QDir(profilesFolder()).entryList({"*.ini"}, QDir::Files, QDir::Name));
}

SiteProfile HostdeckWindow::fields() const {
  return {text(user_->text()),    text(password_->text()),          text(hostField_->text()),      text(port_->text()),
          text(timeout_->text()), text(serverType_->currentText()), text(protocol_->currentText())};
}

void HostdeckWindow::setFields(const SiteProfile& profile) {
  user_->setText(shown(profile.user));
  password_->setText(shown(profile.password));
  hostField_->setText(shown(profile.host));
  port_->setText(shown(profile.port));
  timeout_->setText(shown(profile.timeout));
  serverType_->setCurrentText(shown(profile.serverType));
  const int protocol = protocol_->findText(shown(profile.protocol));
  protocol_->setCurrentIndex(protocol < 0 ? 0 : protocol);
}

void HostdeckWindow::newProfile() {
  setFields({"", "", "", "21", "30000", "", "FTP"});
  currentProfile_.clear();
}

void HostdeckWindow::loadProfile(const QString& path) {
  guarded([&] {
    const SiteProfile profile = readSiteProfile(local(path));
    currentProfile_ = path;
    setFields(profile);
  });
}

void HostdeckWindow::saveProfile() {
  QString path = currentProfile_;
  if (path.isEmpty()) {
    const auto name = Prompter::instance().inputText("Create Profile", "Name:", "");
    if (!name || name->trimmed().isEmpty()) return;
    if (name->contains('/')) {
      Prompter::instance().showError(QString("A profile name cannot hold \"/\": %1").arg(*name));
      return;
    }
    // A new profile does not become the current one.
    path = QDir(profilesFolder()).filePath(*name + ".ini");
  }
  guarded([&] {
    QDir().mkpath(profilesFolder());
    writeSiteProfile(local(path), fields());
  });
  refreshProfiles();
}

void HostdeckWindow::deleteProfile() {
  const QString doomed = currentProfile_;
  newProfile();
  if (!doomed.isEmpty()) QFile::remove(doomed);
  refreshProfiles();
}

void HostdeckWindow::saveLog() {
  const QString path =
      Prompter::instance().saveFileName("Save Log File", QString(), "Log Files (*.log);;Text Files (*.txt)");
  if (path.isEmpty()) return;
  QString lines = log_->toPlainText();
  if (!lines.isEmpty()) lines += '\n';
  guarded([&] { writeFile(local(path), lines.toStdString()); });
}

}  // namespace markloom
