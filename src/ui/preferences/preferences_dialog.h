#pragma once
// The "Preferences" dialog: every setting on nine pages (Editor, Cuecard,
// TagTemplates, Display, Spell Check, Directories, Programs, Proxies, Tidy),
// the tag-template list and the HTML cuecard (tag hint) list.
//
// The dialog is a view over PreferencesFields: load() fills the fields from
// the settings and the two list files and shows them; OK is refused with a
// message while a field holds a value the settings cannot hold; save() writes
// the fields in the fixed order.
#include <QDialog>
#include <vector>

#include "core/settings/settings_snapshot.h"
#include "core/settings/settings_store.h"
#include "ui/preferences/preferences_fields.h"
#include "ui/preferences/preferences_storage.h"

class QLineEdit;
class QTabWidget;

namespace markloom {

class PreferencesPage;
class ProgramsPage;

class PreferencesDialog : public QDialog {
  Q_OBJECT
 public:
  using ListFiles = PreferencesStorage::ListFiles;

  PreferencesDialog(const ListFiles& files, QWidget* parent = nullptr);

  // Fills every page. A step that fails is reported and the other steps
  // still run.
  void load(const SettingsSnapshot& snapshot, SettingsStore& store);
  // Writes the templates, the settings and the cuecard list, in that order.
  // A list file that cannot be written is reported and stops the writing;
  // false then.
  bool save(SettingsStore& store);

  // What every page shows; setFields() shows fields on every page.
  PreferencesFields fields() const;
  void setFields(const PreferencesFields& fields);

  // The pages' parts that the tests and AutoFind reach.
  QTabWidget* pages() const { return pages_; }
  QLineEdit* browserField(int n) const;
  QLineEdit* browserTitleField(int n) const;

 public slots:
  void accept() override;
  void autoFindPrograms();

 private:
  void addPage(PreferencesPage* page, const QString& tab);

  PreferencesStorage storage_;
  QTabWidget* pages_ = nullptr;
  std::vector<PreferencesPage*> pageViews_;
  ProgramsPage* programs_ = nullptr;
};

}  // namespace markloom
