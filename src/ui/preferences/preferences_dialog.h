#pragma once
// The "Preferences" dialog: every setting on nine pages (Editor, Cuecard,
// TagTemplates, Display, Spell Check, Directories, Programs, Proxies, Tidy),
// the tag-template list and the HTML cuecard (tag hint) list.
//
// load() fills the pages from the settings and the two list files; OK is
// refused with a message while a field holds a value the settings cannot
// hold; save() writes everything in the fixed order.
#include <QDialog>
#include <QStringList>
#include <array>
#include <vector>

#include "core/document/tag_template_file.h"
#include "core/settings/preferences_values.h"
#include "core/settings/settings_snapshot.h"
#include "core/settings/settings_table.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace markloom {

class PreferencesDialog : public QDialog {
  Q_OBJECT
 public:
  // Where the two list files live.
  struct ListFiles {
    QString templates;  // Extensions/tagtmp.qdf
    QString cuecard;    // Extensions/tags.txt
  };

  PreferencesDialog(const ListFiles& files, QWidget* parent = nullptr);

  // Fills every page. Programs come from the store itself (they are not all in
  // the snapshot). A step that fails is reported and the other steps still run.
  void load(const SettingsSnapshot& snapshot, SettingsStore& store);
  // The values OK writes, by setting name.
  PreferenceValues values() const;
  std::vector<TagTemplate> templates() const;
  QStringList cuecardEntries() const;
  // Writes the templates, the settings and the cuecard list, in that order.
  // A list file that cannot be written is reported and stops the writing;
  // false then.
  bool save(SettingsStore& store);

  // The pages' parts that the tests and AutoFind reach.
  QTabWidget* pages() const { return pages_; }
  QLineEdit* browserField(int n) const { return browsers_[static_cast<std::size_t>(n - 1)]; }
  QLineEdit* browserTitleField(int n) const { return browserTitles_[static_cast<std::size_t>(n - 1)]; }

 public slots:
  void accept() override;
  void autoFindPrograms();

 private:
  struct BackgroundFields {
    const TextSetting* styleSetting;
    const ColourSetting* primarySetting;
    const ColourSetting* secondarySetting;
    QComboBox* style = nullptr;
    QComboBox* primary = nullptr;
    QComboBox* secondary = nullptr;
  };
  enum class TemplateMode { None, Add, Edit };

  QWidget* buildEditorPage();
  QWidget* buildCuecardPage();
  QWidget* buildTemplatesPage();
  QWidget* buildDisplayPage();
  QWidget* buildSpellPage();
  QWidget* buildDirectoriesPage();
  QWidget* buildProgramsPage();
  QWidget* buildProxiesPage();
  QWidget* buildTidyPage();
  QGroupBox* backgroundGroup(const QString& title, const char* prefix, BackgroundFields& fields);

  void loadTemplates();
  void loadCuecard();
  void loadBackground(const SettingsSnapshot& s, BackgroundFields& fields);
  void updateCuecardEntry();
  void addCuecardEntry();
  void addTemplate();
  void editTemplate();
  void finishTemplate();
  void deleteTemplate();

  ListFiles files_;
  QTabWidget* pages_ = nullptr;
  // Editor
  std::vector<QCheckBox*> editorFlags_;
  QLineEdit* tabStops_ = nullptr;
  QComboBox* keymapping_ = nullptr;
  QLineEdit* blockIndent_ = nullptr;
  QCheckBox* timedBackup_ = nullptr;
  QCheckBox* reopenSession_ = nullptr;  // the session of the last clean exit comes back at start
  QComboBox* backupInterval_ = nullptr;
  // Cuecard
  QListWidget* cuecard_ = nullptr;
  QLineEdit* currentSetting_ = nullptr;
  QLineEdit* newSetting_ = nullptr;
  // TagTemplates
  QTreeWidget* templateList_ = nullptr;
  QGroupBox* currentItem_ = nullptr;
  QLineEdit* keyword_ = nullptr;
  QLineEdit* description_ = nullptr;
  QPlainTextEdit* code_ = nullptr;
  TemplateMode templateMode_ = TemplateMode::None;
  // Display
  BackgroundFields editorBackground_{&kEditorBackgroundStyle, &kEditorBackground1, &kEditorBackground2};
  BackgroundFields gutterBackground_{&kGutterBackgroundStyle, &kGutterBackground1, &kGutterBackground2};
  // Spell Check
  std::vector<QCheckBox*> spellingFlags_;
  QLineEdit* customDictionary_ = nullptr;
  // Directories
  QLineEdit* defaultDirectory_ = nullptr;
  // Programs
  std::array<QLineEdit*, 6> browsers_{};
  std::array<QLineEdit*, 6> browserTitles_{};
  QLineEdit* imageEditor_ = nullptr;
  QLineEdit* visualEditor_ = nullptr;
  // Proxies
  QLineEdit* proxyServer_ = nullptr;
  QLineEdit* proxyPort_ = nullptr;
  QLineEdit* proxyUsername_ = nullptr;
  QLineEdit* proxyPassword_ = nullptr;
  // Tidy
  QLineEdit* inlineTags_ = nullptr;
  QLineEdit* blockTags_ = nullptr;
  QLineEdit* preTags_ = nullptr;
  QLineEdit* emptyTags_ = nullptr;
};

}  // namespace markloom
