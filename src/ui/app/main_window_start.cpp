// The main window's start: the side panel's data, the settings snapshot and
// what it sets on the main window.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QShowEvent>

#include "core/common/command_ids.h"
#include "core/settings/settings_schema.h"
#include "core/settings/settings_table.h"
#include "core/document/data_file_text.h"
#include "core/text/write_journal.h"
#include "core/workspace/favorites.h"
#include "platform/files/program_folder.h"
#include "platform/settings/ini_settings_store.h"
#include "ui/analysis/validation_window.h"
#include "ui/app/main_window.h"
#include "ui/codecontroller/code_controller.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/recovery/crash_recovery.h"

namespace markloom {

namespace {
QStringList toQStrings(const std::vector<std::string>& lines) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(lines.size()));
  for (const auto& l : lines) out << QString::fromLocal8Bit(l.data(), static_cast<qsizetype>(l.size()));
  return out;
}

QStringList readExtensionsList(const char* relative) {
  return toQStrings(readListText(programPath(relative).toLocal8Bit().toStdString()));
}

// The user's favourites: MARKLOOM_FAVORITES when set, otherwise ~/Favorites.
QString favoritesFolder() {
  const QString overridden = qEnvironmentVariable("MARKLOOM_FAVORITES");
  if (!overridden.isEmpty()) return overridden;
  return QDir::homePath() + "/Favorites";
}
}  // namespace

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  if (!settingsDamage_.isEmpty()) Prompter::instance().showError(settingsDamage_);
  // In-place writes a killed run left unfinished are finished before any file is read.
  journal::finishInterruptedWrites();
  guarded([this] { loadWorkspace(); });
  CrashRecovery::attach(*this);
  // The windows that live hidden for the whole run (the multimedia and server
  // variable dialogs come with their command group).
  if (!findChild<ValidationWindow*>()) new ValidationWindow(*this);
}

// A missing data file raises its error here, and what would follow it (the
// remaining data files, the settings, the file list) is skipped.
void MainWindow::loadWorkspace() {
  codeController_->setFavorites(toQStrings(favoritesList(favoritesFolder().toLocal8Bit().toStdString())));
  const QStringList first = readExtensionsList("Extensions\\charsa.qdf");
  const QStringList second = readExtensionsList("Extensions\\charsb.qdf");
  codeController_->setCharacters(first, second);
  codeController_->setEvents(readExtensionsList("Extensions\\qdevents.qdf"));
  loadSettings();
  codeController_->refreshFileList();
}

void MainWindow::loadSettings() {
  IniSettingsStore store;
  if (store.isNew()) {
    writeInstallationDefaults(store);
    // The Files tab starts in the user's home until they choose a folder.
    store.write(std::string(kDefaultDirectory.row.section), std::string(kDefaultDirectory.row.key),
                QDir::homePath().toLocal8Bit().toStdString());
  }
  loadSnapshot(store, settings_, [this] { applySettings(); });
  store.sync();
}

void MainWindow::applySettings() {
  for (std::size_t i = 0; i < ids::kPreviewInBrowser.size(); ++i) {
    if (settings_.get(kBrowser[i]).empty()) continue;  // an entry once enabled stays enabled for the run
    QAction* entry = action(ids::kPreviewInBrowser[i]);
    entry->setText(QString::fromLocal8Bit(settings_.get(kBrowserTitle[i]).c_str()));
    entry->setEnabled(true);
  }
  codeController_->setFolder(QString::fromLocal8Bit(settings_.get(kDefaultDirectory).c_str()));
}

}  // namespace markloom
