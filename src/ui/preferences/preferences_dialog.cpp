#include "ui/preferences/preferences_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/common/error.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"
#include "ui/preferences/cuecard_page.h"
#include "ui/preferences/directories_page.h"
#include "ui/preferences/display_page.h"
#include "ui/preferences/editor_page.h"
#include "ui/preferences/preferences_text.h"
#include "ui/preferences/programs_page.h"
#include "ui/preferences/proxies_page.h"
#include "ui/preferences/spell_check_page.h"
#include "ui/preferences/tag_templates_page.h"
#include "ui/preferences/tidy_page.h"

namespace markloom {

PreferencesDialog::PreferencesDialog(const ListFiles& files, QWidget* parent) : QDialog(parent), storage_(files) {
  setObjectName("PreferencesDialog");
  setWindowTitle("Preferences");
  pages_ = new QTabWidget(this);
  pages_->setObjectName("Pages");
  pages_->setUsesScrollButtons(false);
  addPage(new EditorPage, "Editor");
  addPage(new CuecardPage, "Cuecard");
  addPage(new TagTemplatesPage, "TagTemplates");
  addPage(new DisplayPage, "Display");
  addPage(new SpellCheckPage, "Spell Check");
  addPage(new DirectoriesPage, "Directories");
  programs_ = new ProgramsPage;
  addPage(programs_, "Programs");
  // Shown, so that a proxy can be set at all.
  addPage(new ProxiesPage, "Proxies");
  addPage(new TidyPage, "Tidy");

  auto* row = new QHBoxLayout(this);
  row->addWidget(pages_, 1);
  auto* buttons = new QVBoxLayout;
  const dialogkit::OkCancel okCancel = dialogkit::makeOkCancel(this);
  buttons->addWidget(okCancel.ok);
  buttons->addWidget(okCancel.cancel);
  buttons->addStretch();
  row->addLayout(buttons);
  dialogkit::fitToContent(this);
}

void PreferencesDialog::addPage(PreferencesPage* page, const QString& tab) {
  pageViews_.push_back(page);
  pages_->addTab(page, tab);
}

QLineEdit* PreferencesDialog::browserField(int n) const { return programs_->browserField(n); }
QLineEdit* PreferencesDialog::browserTitleField(int n) const { return programs_->browserTitleField(n); }

void PreferencesDialog::autoFindPrograms() { programs_->autoFindPrograms(); }

PreferencesFields PreferencesDialog::fields() const {
  PreferencesFields fields;
  for (const PreferencesPage* page : pageViews_) page->fields(fields);
  return fields;
}

void PreferencesDialog::setFields(const PreferencesFields& fields) {
  for (PreferencesPage* page : pageViews_) page->setFields(fields);
}

void PreferencesDialog::load(const SettingsSnapshot& snapshot, SettingsStore& store) {
  // A step that fails keeps, for its part, what the pages show now.
  PreferencesFields loaded = fields();
  for (const std::string& failure : storage_.load(loaded, snapshot, store))
    Prompter::instance().showError(preferences::shown(failure));
  setFields(loaded);
  pages_->setCurrentIndex(0);
}

void PreferencesDialog::accept() {
  if (const auto refused = refusedPreference(fields().settings)) {
    Prompter::instance().showError(preferences::shown(*refused));
    return;
  }
  QDialog::accept();
}

bool PreferencesDialog::save(SettingsStore& store) {
  try {
    storage_.save(fields(), store);
  } catch (const Error& e) {
    Prompter::instance().showError(QString::fromLocal8Bit(e.what()));
    return false;
  }
  return true;
}

}  // namespace markloom
