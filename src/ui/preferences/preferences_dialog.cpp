#include "ui/preferences/preferences_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/common/error.h"
#include "core/settings/color_text.h"
#include "core/settings/settings_schema.h"
#include "core/settings/settings_table.h"
#include "core/text/line_list.h"
#include "core/workspace/session.h"
#include "platform/files/program_finder.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

namespace {

QString local(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }
std::string local(const QString& text) { return text.toLocal8Bit().toStdString(); }

// Runs one step of filling the dialog; a failure is reported and the next
// step still runs, so no field is left at a default that OK would write over
// a stored value.
template <class Step>
void loadStep(Step&& step) {
  try {
    step();
  } catch (const Error& e) {
    Prompter::instance().showError(QString::fromLocal8Bit(e.what()));
  }
}

// A page: its bold caption bar, then its content.
QWidget* page(const QString& caption, QLayout* content) {
  auto* w = new QWidget;
  auto* column = new QVBoxLayout(w);
  auto* bar = new QLabel(caption);
  QFont bold = bar->font();
  bold.setBold(true);
  bar->setFont(bold);
  bar->setObjectName("CaptionBar");
  bar->setAutoFillBackground(true);
  bar->setBackgroundRole(QPalette::Mid);
  bar->setContentsMargins(6, 3, 6, 3);
  column->addWidget(bar);
  column->addLayout(content);
  column->addStretch();
  return w;
}

QLineEdit* wideEdit(QWidget* parent, const char* name) {
  QLineEdit* edit = dialogkit::namedEdit(parent, name);
  edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 30);
  return edit;
}

QComboBox* colorBox(QWidget* parent, const char* name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setEditable(true);
  for (const std::string& n : colorNames()) box->addItem(local(n));
  return box;
}

QString text(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

// A flag's check box: its caption is the setting's label; tests find it by the setting's name.
QCheckBox* flagBox(const FlagSetting& flag) {
  auto* box = new QCheckBox(text(flag.row.label));
  box->setObjectName("Flag " + text(flag.row.key));
  return box;
}

bool isGradient(const QString& caption) { return caption == "Vertical Gradient" || caption == "Horizontal Gradient"; }

}  // namespace

PreferencesDialog::PreferencesDialog(const ListFiles& files, QWidget* parent) : QDialog(parent), files_(files) {
  setObjectName("PreferencesDialog");
  setWindowTitle("Preferences");
  pages_ = new QTabWidget(this);
  pages_->setObjectName("Pages");
  pages_->setUsesScrollButtons(false);
  pages_->addTab(buildEditorPage(), "Editor");
  pages_->addTab(buildCuecardPage(), "Cuecard");
  pages_->addTab(buildTemplatesPage(), "TagTemplates");
  pages_->addTab(buildDisplayPage(), "Display");
  pages_->addTab(buildSpellPage(), "Spell Check");
  pages_->addTab(buildDirectoriesPage(), "Directories");
  pages_->addTab(buildProgramsPage(), "Programs");
  // Shown, so that a proxy can be set at all.
  pages_->addTab(buildProxiesPage(), "Proxies");
  pages_->addTab(buildTidyPage(), "Tidy");

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

QWidget* PreferencesDialog::buildEditorPage() {
  auto* content = new QVBoxLayout;
  auto* options = new QGroupBox("Editor Options:");
  auto* grid = new QGridLayout(options);
  const auto& flags = editorFlagFields();
  for (std::size_t i = 0; i < flags.size(); ++i) {
    auto* box = flagBox(*flags[i]);
    editorFlags_.push_back(box);
    // Nine boxes in the left column, five in the right.
    const int index = static_cast<int>(i);
    if (index < 9)
      grid->addWidget(box, index, 0);
    else
      grid->addWidget(box, index - 9, 1);
  }
  content->addWidget(options);

  auto* fields = new QGridLayout;
  tabStops_ = dialogkit::namedEdit(this, "TabStops", "9, 17");
  keymapping_ = new QComboBox(this);
  keymapping_->setObjectName("Keymapping");
  keymapping_->setEditable(true);
  keymapping_->addItems({"Default", "Brief", "Classic", "Epsilon", "Visual Studio"});
  blockIndent_ = dialogkit::namedEdit(this, "BlockIndent", "1");
  dialogkit::addLabelled(fields, 0, "Tab Stops:", tabStops_);
  dialogkit::addLabelled(fields, 1, "Keymapping:", keymapping_);
  dialogkit::addLabelled(fields, 2, "Block Indent:", blockIndent_);
  content->addLayout(fields);

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
  reopenSession_ = dialogkit::namedCheck(this, "ReopenSession", "Reopen the files of the last session at start");
  content->addWidget(reopenSession_);
  return page("Editor Options", content);
}

QWidget* PreferencesDialog::buildCuecardPage() {
  auto* content = new QVBoxLayout;
  content->addWidget(dialogkit::namedCheck(this, "HtmlCuecard", "Enable HTML Cuecard"));
  content->addWidget(dialogkit::namedCheck(this, "JavaScriptCuecard", "Enable JavaScript Cuecard"));
  content->addWidget(new QLabel("HTML Cuecard Editor:"));
  cuecard_ = new QListWidget(this);
  cuecard_->setObjectName("CuecardList");
  content->addWidget(cuecard_);
  auto* fields = new QGridLayout;
  currentSetting_ = dialogkit::namedEdit(this, "CurrentSetting");
  currentSetting_->setReadOnly(true);
  newSetting_ = dialogkit::namedEdit(this, "NewSetting");
  dialogkit::addLabelled(fields, 0, "Current Setting:", currentSetting_);
  dialogkit::addLabelled(fields, 1, "New Setting:", newSetting_);
  content->addLayout(fields);
  auto* buttons = new QHBoxLayout;
  auto* update = new QPushButton("&Update");
  update->setObjectName("CuecardUpdate");
  auto* add = new QPushButton("&Add");
  add->setObjectName("CuecardAdd");
  // Deleting entries is not offered yet; the button stays for its place.
  auto* remove = new QPushButton("&Delete");
  remove->setObjectName("CuecardDelete");
  buttons->addWidget(update);
  buttons->addWidget(add);
  buttons->addWidget(remove);
  content->addLayout(buttons);
  auto* note = new QLabel(
      "This feature is pressed when you press the '<' key in the editing window.  You do not have to start each new "
      "option in the list opposite with a '<' as this is done for you.");
  note->setWordWrap(true);
  content->addWidget(note);
  connect(cuecard_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { currentSetting_->setText(item->text()); });
  connect(update, &QPushButton::clicked, this, &PreferencesDialog::updateCuecardEntry);
  connect(add, &QPushButton::clicked, this, &PreferencesDialog::addCuecardEntry);
  return page("Cuecard", content);
}

QWidget* PreferencesDialog::buildTemplatesPage() {
  auto* content = new QVBoxLayout;
  templateList_ = new QTreeWidget(this);
  templateList_->setObjectName("TemplateList");
  templateList_->setRootIsDecorated(false);
  templateList_->setSelectionBehavior(QAbstractItemView::SelectRows);
  templateList_->setHeaderLabels({"", "Keyword", "Description", "Code"});
  templateList_->setColumnWidth(0, 0);
  templateList_->setColumnWidth(1, 75);
  templateList_->setColumnWidth(2, 125);
  templateList_->setColumnWidth(3, 155);
  content->addWidget(templateList_);
  auto* buttons = new QHBoxLayout;
  const std::pair<const char*, void (PreferencesDialog::*)()> actions[] = {
      {"&Add", &PreferencesDialog::addTemplate},
      {"&Edit", &PreferencesDialog::editTemplate},
      {"&Delete", &PreferencesDialog::deleteTemplate},
  };
  for (const auto& [caption, slot] : actions) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString("Template") + QString(caption).remove('&'));
    connect(button, &QPushButton::clicked, this, slot);
    buttons->addWidget(button);
  }
  content->addLayout(buttons);
  currentItem_ = new QGroupBox("Current Item:");
  currentItem_->setObjectName("CurrentItem");
  auto* fields = new QGridLayout(currentItem_);
  keyword_ = dialogkit::namedEdit(this, "Keyword");
  description_ = dialogkit::namedEdit(this, "Description");
  code_ = new QPlainTextEdit(this);
  code_->setObjectName("Code");
  dialogkit::addLabelled(fields, 0, "Keyword:", keyword_);
  dialogkit::addLabelled(fields, 1, "Description:", description_);
  dialogkit::addLabelled(fields, 2, "Code:", code_);
  auto* done = new QPushButton("&Done");
  done->setObjectName("TemplateDone");
  fields->addWidget(done, 3, 1, Qt::AlignRight);
  connect(done, &QPushButton::clicked, this, &PreferencesDialog::finishTemplate);
  currentItem_->setEnabled(false);
  content->addWidget(currentItem_);
  connect(templateList_, &QTreeWidget::itemDoubleClicked, this, [this] { editTemplate(); });
  return page("Tag Templates", content);
}

QGroupBox* PreferencesDialog::backgroundGroup(const QString& title, const char* prefix, BackgroundFields& fields) {
  auto* group = new QGroupBox(title);
  auto* grid = new QGridLayout(group);
  fields.style = new QComboBox(this);
  fields.style->setObjectName(QString(prefix) + "Style");
  fields.style->setEditable(true);
  for (const BackgroundStyle& s : backgroundStyles()) fields.style->addItem(s.caption);
  fields.style->setCurrentText("Normal");
  fields.primary = colorBox(this, (std::string(prefix) + "Primary").c_str());
  fields.primary->setCurrentText("clWindow");
  fields.secondary = colorBox(this, (std::string(prefix) + "Secondary").c_str());
  fields.secondary->setCurrentText("clNone");
  fields.secondary->setEnabled(false);
  dialogkit::addLabelled(grid, 0, "Style:", fields.style);
  dialogkit::addLabelled(grid, 1, "Primary Color:", fields.primary);
  dialogkit::addLabelled(grid, 2, "Secondary Color:", fields.secondary);
  QComboBox* secondary = fields.secondary;
  connect(fields.style, &QComboBox::currentTextChanged, this, [secondary](const QString& text) {
    if (isGradient(text))
      secondary->setEnabled(true);
    else if (text == "Normal")
      secondary->setEnabled(false);
  });
  return group;
}

QWidget* PreferencesDialog::buildDisplayPage() {
  auto* content = new QVBoxLayout;
  content->addWidget(backgroundGroup("Editor:", "Editor", editorBackground_));
  content->addWidget(backgroundGroup("Gutter", "Gutter", gutterBackground_));
  return page("Display", content);
}

QWidget* PreferencesDialog::buildSpellPage() {
  auto* content = new QVBoxLayout;
  auto* spelling = new QGroupBox("Spelling:");
  auto* spellingColumn = new QVBoxLayout(spelling);
  auto* grammar = new QGroupBox("Grammer:");
  auto* grammarColumn = new QVBoxLayout(grammar);
  const auto& flags = spellingFlagFields();
  for (std::size_t i = 0; i < flags.size(); ++i) {
    auto* box = flagBox(*flags[i]);
    spellingFlags_.push_back(box);
    (i < 5 ? spellingColumn : grammarColumn)->addWidget(box);
  }
  customDictionary_ = wideEdit(this, "CustomDictionary");
  auto* browse = dialogkit::browseButton(this, "CustomDictionaryBrowse", "...");
  auto* dictionaryRow = new QGridLayout;
  auto* label = new QLabel("Custom Dictionary:");
  dictionaryRow->addWidget(label, 0, 0);
  dictionaryRow->addLayout(dialogkit::fieldWithButton(customDictionary_, browse), 0, 1);
  spellingColumn->addLayout(dictionaryRow);
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString file =
        Prompter::instance().openFileName("Custom Dictionary", customDictionary_->text(), dialogkit::kAllFilesFilter);
    if (!file.isEmpty()) customDictionary_->setText(file);
  });
  content->addWidget(spelling);
  content->addWidget(grammar);
  return page("Spell Check", content);
}

QWidget* PreferencesDialog::buildDirectoriesPage() {
  auto* content = new QVBoxLayout;
  defaultDirectory_ = wideEdit(this, "DefaultDirectory");
  auto* browse = dialogkit::browseButton(this, "DefaultDirectoryBrowse", "...");
  content->addWidget(new QLabel("Default CodeController Directory:"));
  content->addLayout(dialogkit::fieldWithButton(defaultDirectory_, browse));
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString folder =
        Prompter::instance().existingFolder("Default CodeController Directory", defaultDirectory_->text());
    if (!folder.isEmpty()) defaultDirectory_->setText(folder);
  });
  return page("Directories", content);
}

QWidget* PreferencesDialog::buildProgramsPage() {
  auto* content = new QVBoxLayout;
  auto* grid = new QGridLayout;
  // Any executable file: Linux programs have no ".exe".
  auto programBox = [this](const char* name, QLineEdit*& field) {
    field = wideEdit(this, name);
    auto* browse = dialogkit::browseButton(this, (std::string(name) + "Browse").c_str(), "...");
    QLineEdit* target = field;
    connect(browse, &QPushButton::clicked, this, [target] {
      const QString file = Prompter::instance().openFileName("Program", target->text(), dialogkit::kAllFilesFilter);
      if (!file.isEmpty()) target->setText(file);
    });
    return dialogkit::fieldWithButton(field, browse);
  };
  for (int n = 1; n <= 6; ++n) {
    const std::size_t i = static_cast<std::size_t>(n - 1);
    const std::string name = "Browser" + std::to_string(n);
    grid->addWidget(new QLabel(QString("Browser %1:").arg(n)), n - 1, 0);
    grid->addLayout(programBox(name.c_str(), browsers_[i]), n - 1, 1);
    grid->addWidget(new QLabel("Title:"), n - 1, 2);
    browserTitles_[i] = dialogkit::namedEdit(this, (name + "Title").c_str());
    grid->addWidget(browserTitles_[i], n - 1, 3);
  }
  grid->addWidget(new QLabel("Image Editor"), 6, 0);
  grid->addLayout(programBox("ImageEditor", imageEditor_), 6, 1, 1, 3);
  grid->addWidget(new QLabel("DreamWeaver:"), 7, 0);
  grid->addLayout(programBox("VisualEditor", visualEditor_), 7, 1, 1, 3);
  content->addLayout(grid);
  auto* autoFind = new QPushButton("AutoFind Programs");
  autoFind->setObjectName("AutoFindPrograms");
  connect(autoFind, &QPushButton::clicked, this, &PreferencesDialog::autoFindPrograms);
  content->addWidget(autoFind, 0, Qt::AlignLeft);
  return page("Programs", content);
}

QWidget* PreferencesDialog::buildProxiesPage() {
  auto* grid = new QGridLayout;
  proxyServer_ = wideEdit(this, "ProxyServer");
  proxyPort_ = dialogkit::namedEdit(this, "ProxyPort");
  proxyUsername_ = wideEdit(this, "ProxyUsername");
  proxyPassword_ = wideEdit(this, "ProxyPassword");
  proxyPassword_->setEchoMode(QLineEdit::Password);
  dialogkit::addLabelled(grid, 0, "Proxy Server:", proxyServer_);
  dialogkit::addLabelled(grid, 1, "Proxy Port:", proxyPort_);
  dialogkit::addLabelled(grid, 2, "Proxy Username", proxyUsername_);
  dialogkit::addLabelled(grid, 3, "Proxy Password:", proxyPassword_);
  return page("Proxies", grid);
}

QWidget* PreferencesDialog::buildTidyPage() {
  auto* grid = new QGridLayout;
  inlineTags_ = wideEdit(this, "InlineTags");
  blockTags_ = wideEdit(this, "BlockTags");
  preTags_ = wideEdit(this, "PreformattedTags");
  emptyTags_ = wideEdit(this, "EmptyTags");
  dialogkit::addLabelled(grid, 0, "New In-Line Tags:", inlineTags_);
  dialogkit::addLabelled(grid, 1, "New Block-Level Tags:", blockTags_);
  dialogkit::addLabelled(grid, 2, "New Preformatted Tags:", preTags_);
  dialogkit::addLabelled(grid, 3, "New Empty Tags:", emptyTags_);
  return page("HTML Tidy", grid);
}

void PreferencesDialog::load(const SettingsSnapshot& s, SettingsStore& store) {
  loadStep([&] { defaultDirectory_->setText(local(s.get(kDefaultDirectory))); });
  loadStep([&] { loadTemplates(); });
  loadStep([&] {
    inlineTags_->setText(local(s.get(kTidyInlineTags)));
    blockTags_->setText(local(s.get(kTidyBlockTags)));
    preTags_->setText(local(s.get(kTidyPreformattedTags)));
    emptyTags_->setText(local(s.get(kTidyEmptyTags)));
  });
  loadStep([&] {
    auto stored = [&](const TextSetting& setting) { return local(readStored(store, setting.row)); };
    for (std::size_t i = 0; i < kBrowser.size(); ++i) {
      browsers_[i]->setText(stored(kBrowser[i]));
      browserTitles_[i]->setText(stored(kBrowserTitle[i]));
    }
    visualEditor_->setText(stored(kVisualEditor));
    imageEditor_->setText(stored(kImageEditor));
  });
  loadStep([&] {
    const auto& editorFlags = editorFlagFields();
    for (std::size_t i = 0; i < editorFlags.size(); ++i) editorFlags_[i]->setChecked(s.get(*editorFlags[i]));
    const auto& spelling = spellingFlagFields();
    for (std::size_t i = 0; i < spelling.size(); ++i) spellingFlags_[i]->setChecked(s.get(*spelling[i]));
    customDictionary_->setText(local(s.get(kCustomDictionary)));
    tabStops_->setText(local(s.get(kTabStops)));
    keymapping_->setCurrentText(local(s.get(kKeymapping)));
    blockIndent_->setText(local(s.get(kBlockIndent)));
  });
  loadStep([&] {
    const QString interval = local(s.get(kTimedBackup));
    timedBackup_->setChecked(!interval.isEmpty());
    backupInterval_->setCurrentText(interval);
    backupInterval_->setEnabled(!interval.isEmpty());
  });
  loadStep([&] { reopenSession_->setChecked(sessionRestoreEnabled(store)); });
  loadStep([&] { loadCuecard(); });
  loadStep([&] { loadBackground(s, editorBackground_); });
  loadStep([&] { loadBackground(s, gutterBackground_); });
  loadStep([&] {
    proxyServer_->setText(local(s.get(kProxyServer)));
    proxyPort_->setText(local(s.get(kProxyPort)));
    proxyUsername_->setText(local(s.get(kProxyUsername)));
    proxyPassword_->setText(local(s.get(kProxyPassword)));
  });
  pages_->setCurrentIndex(0);
}

void PreferencesDialog::loadTemplates() {
  templateList_->clear();
  for (const TagTemplate& t : readTagTemplates(local(files_.templates))) {
    auto* row = new QTreeWidgetItem(templateList_);
    row->setText(1, local(t.name));
    row->setText(2, local(t.description));
    row->setText(3, local(t.code));
  }
}

void PreferencesDialog::loadCuecard() {
  cuecard_->clear();
  for (const std::string& entry : readLineList(local(files_.cuecard))) cuecard_->addItem(local(entry));
}

void PreferencesDialog::loadBackground(const SettingsSnapshot& s, BackgroundFields& fields) {
  const std::optional<std::string> caption = styleCaption(s.get(*fields.styleSetting));
  fields.style->setCurrentText(local(caption.value_or("Normal")));
  fields.secondary->setEnabled(caption && isGradient(local(*caption)));
  // A colour that cannot be read is reported as the settings report it.
  const std::string primary = s.get(*fields.primarySetting);
  const std::string secondary = s.get(*fields.secondarySetting);
  fields.primary->setCurrentText(local(colorToText(colorFromText(primary))));
  fields.secondary->setCurrentText(local(colorToText(colorFromText(secondary))));
}

PreferenceValues PreferencesDialog::values() const {
  PreferenceValues v;
  v.set(kTidyInlineTags, local(inlineTags_->text()));
  v.set(kTidyEmptyTags, local(emptyTags_->text()));
  v.set(kTidyBlockTags, local(blockTags_->text()));
  v.set(kTidyPreformattedTags, local(preTags_->text()));
  v.set(kDefaultDirectory, local(defaultDirectory_->text()));
  v.set(kTimedBackup, timedBackup_->isChecked() ? local(backupInterval_->currentText()) : "");
  const auto& editorFlags = editorFlagFields();
  for (std::size_t i = 0; i < editorFlags.size(); ++i) v.setFlag(*editorFlags[i], editorFlags_[i]->isChecked());
  v.set(kTabStops, local(tabStops_->text()));
  v.set(kBlockIndent, local(blockIndent_->text()));
  v.set(kKeymapping, local(keymapping_->currentText()));
  v.set(kProxyServer, local(proxyServer_->text()));
  v.set(kProxyPort, local(proxyPort_->text()));
  v.set(kProxyUsername, local(proxyUsername_->text()));
  v.set(kProxyPassword, local(proxyPassword_->text()));
  for (std::size_t i = 0; i < kBrowser.size(); ++i) {
    v.set(kBrowser[i], local(browsers_[i]->text()));
    v.set(kBrowserTitle[i], local(browserTitles_[i]->text()));
  }
  v.set(kVisualEditor, local(visualEditor_->text()));
  v.set(kImageEditor, local(imageEditor_->text()));
  const auto& spelling = spellingFlagFields();
  for (std::size_t i = 0; i < spelling.size(); ++i) v.setFlag(*spelling[i], spellingFlags_[i]->isChecked());
  v.set(kCustomDictionary, local(customDictionary_->text()));
  for (const BackgroundFields* fields : {&editorBackground_, &gutterBackground_}) {
    // A style the box cannot name leaves the stored one.
    if (const auto code = styleCode(local(fields->style->currentText()))) v.set(*fields->styleSetting, *code);
    v.set(*fields->primarySetting, local(fields->primary->currentText()));
    v.set(*fields->secondarySetting, local(fields->secondary->currentText()));
  }
  return v;
}

std::vector<TagTemplate> PreferencesDialog::templates() const {
  std::vector<TagTemplate> out;
  for (int i = 0; i < templateList_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = templateList_->topLevelItem(i);
    out.push_back({local(row->text(1)), local(row->text(2)), local(row->text(3))});
  }
  return out;
}

QStringList PreferencesDialog::cuecardEntries() const {
  QStringList entries;
  for (int i = 0; i < cuecard_->count(); ++i) entries << cuecard_->item(i)->text();
  return entries;
}

void PreferencesDialog::accept() {
  if (const auto refused = refusedPreference(values())) {
    Prompter::instance().showError(local(*refused));
    return;
  }
  QDialog::accept();
}

bool PreferencesDialog::save(SettingsStore& store) {
  try {
    writeTagTemplates(local(files_.templates), templates());
    writePreferences(store, values());
    writeSessionRestore(store, reopenSession_->isChecked());
    std::vector<std::string> entries;
    for (const QString& entry : cuecardEntries()) entries.push_back(local(entry));
    writeLineList(local(files_.cuecard), entries);
  } catch (const Error& e) {
    Prompter::instance().showError(QString::fromLocal8Bit(e.what()));
    return false;
  }
  return true;
}

void PreferencesDialog::updateCuecardEntry() {
  if (QListWidgetItem* selected = cuecard_->currentItem(); selected && selected->isSelected())
    selected->setText(newSetting_->text());
  else
    cuecard_->addItem(newSetting_->text());
}

void PreferencesDialog::addCuecardEntry() {
  const std::optional<QString> tag = Prompter::instance().inputText("Add New HTML Cuecard Tag", "Tag:", QString());
  if (!tag) return;
  if (tag->isEmpty()) {
    Prompter::instance().showError("Please specify a new tag or click cancel.");
    return;
  }
  cuecard_->addItem(*tag);
}

void PreferencesDialog::addTemplate() {
  currentItem_->setEnabled(true);
  templateMode_ = TemplateMode::Add;
  keyword_->clear();
  description_->clear();
  code_->clear();
  keyword_->setFocus();
}

void PreferencesDialog::editTemplate() {
  QTreeWidgetItem* row = templateList_->currentItem();
  if (!row || !row->isSelected()) return;
  currentItem_->setEnabled(true);
  templateMode_ = TemplateMode::Edit;
  keyword_->setText(row->text(1));
  description_->setText(row->text(2));
  code_->setPlainText(QString(row->text(3)).replace("\r\n", "\n"));
  keyword_->setFocus();
}

void PreferencesDialog::finishTemplate() {
  // The code box's lines, joined with CR LF.
  const QString code = code_->toPlainText().split('\n').join("\r\n");
  if (templateMode_ == TemplateMode::Add) {
    auto* row = new QTreeWidgetItem(templateList_);
    row->setText(1, keyword_->text());
    row->setText(2, description_->text());
    row->setText(3, code);
  } else if (templateMode_ == TemplateMode::Edit) {
    if (QTreeWidgetItem* row = templateList_->currentItem()) {
      row->setText(1, keyword_->text());
      row->setText(2, description_->text());
      row->setText(3, code);
    }
  }
  keyword_->clear();
  description_->clear();
  code_->clear();
  currentItem_->setEnabled(false);
  templateMode_ = TemplateMode::None;
}

void PreferencesDialog::deleteTemplate() {
  QTreeWidgetItem* row = templateList_->currentItem();
  if (!row || !row->isSelected()) return;
  const Prompter::Answer answer =
      Prompter::instance().message(windowTitle(), "Do you wish to delete this TagTemplate?", Prompter::Icon::Question,
                                   Prompter::Buttons::YesNoCancel);
  if (answer == Prompter::Answer::Yes) delete row;
}

void PreferencesDialog::autoFindPrograms() {
  // The browsers found fill the rows from the first, in the finder's order;
  // rows beyond them, and programs not found, keep what they hold.
  const std::vector<FoundProgram> browsers = findBrowsers();
  for (std::size_t i = 0; i < browsers.size() && i < browsers_.size(); ++i) {
    browsers_[i]->setText(browsers[i].path);
    browserTitles_[i]->setText(browsers[i].title);
  }
  if (const auto editor = findImageEditor()) imageEditor_->setText(editor->path);
  if (const auto editor = findVisualEditor()) visualEditor_->setText(editor->path);
}

}  // namespace markloom
