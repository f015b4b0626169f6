#include "ui/preferences/editor_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/settings/settings_table.h"
#include "ui/common/dialog_kit.h"
#include "ui/preferences/preferences_text.h"

namespace markloom {

EditorPage::EditorPage(QWidget* parent) : PreferencesPage(parent) {
  auto* content = new QVBoxLayout;
  auto* options = new QGroupBox("Editor Options:");
  auto* grid = new QGridLayout(options);
  const auto& flags = editorFlagFields();
  for (std::size_t i = 0; i < flags.size(); ++i) {
    // Nine boxes in the left column, five in the right.
    const int index = static_cast<int>(i);
    QCheckBox* box = bindings_.flagBox(*flags[i]);
    if (index < 9)
      grid->addWidget(box, index, 0);
    else
      grid->addWidget(box, index - 9, 1);
  }
  content->addWidget(options);

  auto* fields = new QGridLayout;
  QLineEdit* tabStops = dialogkit::namedEdit(this, "TabStops", "9, 17");
  auto* keymapping = new QComboBox(this);
  keymapping->setObjectName("Keymapping");
  keymapping->setEditable(true);
  keymapping->addItems({"Default", "Brief", "Classic", "Epsilon", "Visual Studio"});
  QLineEdit* blockIndent = dialogkit::namedEdit(this, "BlockIndent", "1");
  dialogkit::addLabelled(fields, 0, "Tab Stops:", tabStops);
  dialogkit::addLabelled(fields, 1, "Keymapping:", keymapping);
  dialogkit::addLabelled(fields, 2, "Block Indent:", blockIndent);
  content->addLayout(fields);
  bindings_.bind(tabStops, kTabStops.row);
  bindings_.bind(keymapping, kKeymapping.row);
  bindings_.bind(blockIndent, kBlockIndent.row);

  timedBackup_ = dialogkit::namedCheck(this, "TimedBackup", "Enable Timed Backup");
  content->addWidget(timedBackup_);
  auto* backup = new QGroupBox;
  auto* backupColumn = new QVBoxLayout(backup);
  auto* note = new QLabel("Files will be backed up in their directory, with the .bak extension added to the filename.");
  note->setWordWrap(true);
  backupColumn->addWidget(note);
  backupInterval_ = new QComboBox(this);
  backupInterval_->setObjectName("BackupInterval");
  backupInterval_->setEditable(true);
  for (int minutes = 1; minutes <= 10; ++minutes) backupInterval_->addItem(QString::number(minutes));
  backupInterval_->setCurrentText("5");
  backupInterval_->setEnabled(false);
  auto* intervalRow = new QFormLayout;
  intervalRow->addRow("Interval:", backupInterval_);
  backupColumn->addLayout(intervalRow);
  content->addWidget(backup);
  connect(timedBackup_, &QCheckBox::toggled, backupInterval_, &QWidget::setEnabled);
  // An empty interval stores the backup as off: ticking offers the usual one.
  connect(timedBackup_, &QCheckBox::toggled, this, [this](bool on) {
    if (on && backupInterval_->currentText().trimmed().isEmpty()) backupInterval_->setCurrentText("5");
  });
  reopenSession_ = dialogkit::namedCheck(this, "ReopenSession", "Reopen the files of the last session at start");
  content->addWidget(reopenSession_);
  setContent("Editor Options", content);
}

void EditorPage::setFields(const PreferencesFields& fields) {
  PreferencesPage::setFields(fields);
  // No interval means no timed backup.
  const QString interval = preferences::shown(fields.settings.get(kTimedBackup));
  timedBackup_->setChecked(!interval.isEmpty());
  backupInterval_->setCurrentText(interval);
  backupInterval_->setEnabled(!interval.isEmpty());
  reopenSession_->setChecked(fields.reopenSession);
}

void EditorPage::fields(PreferencesFields& fields) const {
  PreferencesPage::fields(fields);
  fields.settings.set(kTimedBackup,
                      timedBackup_->isChecked() ? preferences::stored(backupInterval_->currentText()) : "");
  fields.reopenSession = reopenSession_->isChecked();
}

}  // namespace markloom
