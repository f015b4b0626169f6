#include "ui/preferences/preferences_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QSettings>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <map>

#include "core/common/command_ids.h"
#include "core/document/tag_template_file.h"
#include "core/settings/settings_schema.h"
#include "core/settings/settings_table.h"
#include "core/text/line_list.h"
#include "dialog_driver.h"
#include "platform/settings/ini_settings_store.h"
#include "scripted_prompter.h"
#include "stored_settings.h"
#include "temp_home.h"
#include "ui/app/main_window.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::stored;
using test::storeValue;
using test::TempHome;

class PreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    IniSettingsStore store;
    writeInstallationDefaults(store);
    store.sync();
    files = {home.file("Extensions/tagtmp.qdf"), home.file("Extensions/tags.txt")};
    writeTagTemplates(files.templates.toStdString(), {{"table", "a table", "<table>\r\n</table>"}});
    writeLineList(files.cuecard.toStdString(), {"a href=\"\"", "b"});
  }
  SettingsSnapshot snapshot() {
    IniSettingsStore store;
    SettingsSnapshot s;
    loadSnapshot(store, s, {});
    return s;
  }
  // A dialog filled from the store as it stands now.
  std::unique_ptr<PreferencesDialog> openDialog() {
    auto dialog = std::make_unique<PreferencesDialog>(files);
    IniSettingsStore store;
    dialog->load(snapshot(), store);
    return dialog;
  }
  bool okAndSave(PreferencesDialog& dialog) {
    dialog.accept();
    if (dialog.result() != QDialog::Accepted) return false;
    IniSettingsStore store;
    const bool saved = dialog.save(store);
    store.sync();
    return saved;
  }
  template <class W>
  W* child(PreferencesDialog& d, const char* name) {
    W* w = d.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  TempHome home;
  ScriptedPrompter prompter;
  PreferencesDialog::ListFiles files;
};

TEST_F(PreferencesTest, PagesInOrderWithTheProxiesPageShownAndItsPasswordMasked) {
  auto d = openDialog();
  QStringList tabs;
  for (int i = 0; i < d->pages()->count(); ++i) tabs << d->pages()->tabText(i);
  EXPECT_EQ(tabs, QStringList({"Editor", "Cuecard", "TagTemplates", "Display", "Spell Check", "Directories", "Programs",
                               "Proxies", "Tidy"}));
  EXPECT_TRUE(d->pages()->isTabVisible(7));
  EXPECT_EQ(child<QLineEdit>(*d, "ProxyPassword")->echoMode(), QLineEdit::Password);
  EXPECT_EQ(d->pages()->currentIndex(), 0);
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

// Every part of the fields, each setting with a text of its own, so that a
// page that drops a setting, or shows it in another setting's box, shows up.
// The two samples differ in every part.
PreferencesFields sampleFields(int n) {
  PreferencesFields f;
  int i = 0;
  for (const SettingRow* row : preferencesWriteOrder()) {
    const std::string own = std::to_string(10 * i + n);
    switch (row->kind) {
      case SettingKind::Flag: f.settings.set(*row, (i + n) % 2 ? "True" : ""); break;
      case SettingKind::Integer: f.settings.set(*row, own); break;
      case SettingKind::Colour: f.settings.set(*row, "$00" + own); break;
      case SettingKind::List: f.settings.set(*row, "3, " + own); break;
      case SettingKind::Text: f.settings.set(*row, std::string(row->key) + " " + own); break;
    }
    ++i;
  }
  f.settings.set(kEditorBackgroundStyle, n == 0 ? "VG" : "NM");
  f.settings.set(kGutterBackgroundStyle, n == 0 ? "NM" : "HG");
  f.settings.set(kTimedBackup, n == 0 ? "7" : "");  // empty: no timed backup
  if (n == 0) {
    f.templates = {{"table", "a table", "<table>\r\n</table>"}, {"br", "", ""}};
    f.cuecard = {"b", "i"};
    f.reopenSession = true;
  } else {
    f.templates = {{"p", "a paragraph", "<p>"}};
    f.cuecard = {"a href=\"\""};
    f.reopenSession = false;
  }
  return f;
}

TEST_F(PreferencesTest, EveryPageGivesBackTheFieldsItWasGiven) {
  PreferencesDialog d(files);
  for (int n : {0, 1}) {
    SCOPED_TRACE(n);
    const PreferencesFields given = sampleFields(n);
    d.setFields(given);
    const PreferencesFields got = d.fields();
    for (const SettingRow* row : preferencesWriteOrder())
      EXPECT_EQ(got.settings.text(*row), given.settings.text(*row)) << row->section << "\\" << row->key;
    EXPECT_EQ(got.templates, given.templates);
    EXPECT_EQ(got.cuecard, given.cuecard);
    EXPECT_EQ(got.reopenSession, given.reopenSession);
    EXPECT_TRUE(got == given);  // and no setting beyond those OK writes
  }
}

TEST_F(PreferencesTest, EachSettingShowsInItsOwnBox) {
  // The boxes by object name; flags are "Flag " and the setting's name.
  std::map<const SettingRow*, QString> boxes = {
      {&kTabStops.row, "TabStops"},
      {&kKeymapping.row, "Keymapping"},
      {&kBlockIndent.row, "BlockIndent"},
      {&kTimedBackup.row, "BackupInterval"},
      {&kEditorBackgroundStyle.row, "EditorStyle"},
      {&kEditorBackground1.row, "EditorPrimary"},
      {&kEditorBackground2.row, "EditorSecondary"},
      {&kGutterBackgroundStyle.row, "GutterStyle"},
      {&kGutterBackground1.row, "GutterPrimary"},
      {&kGutterBackground2.row, "GutterSecondary"},
      {&kCustomDictionary.row, "CustomDictionary"},
      {&kDefaultDirectory.row, "DefaultDirectory"},
      {&kImageEditor.row, "ImageEditor"},
      {&kVisualEditor.row, "VisualEditor"},
      {&kProxyServer.row, "ProxyServer"},
      {&kProxyPort.row, "ProxyPort"},
      {&kProxyUsername.row, "ProxyUsername"},
      {&kProxyPassword.row, "ProxyPassword"},
      {&kWebSizeLimit.row, "WebSizeLimit"},
      {&kWebTimeLimit.row, "WebTimeLimit"},
      {&kHostdeckTextExtensions.row, "HostdeckTextExtensions"},
      {&kTidyInlineTags.row, "InlineTags"},
      {&kTidyBlockTags.row, "BlockTags"},
      {&kTidyPreformattedTags.row, "PreformattedTags"},
      {&kTidyEmptyTags.row, "EmptyTags"},
  };
  for (std::size_t i = 0; i < kBrowser.size(); ++i) {
    boxes[&kBrowser[i].row] = QString("Browser%1").arg(i + 1);
    boxes[&kBrowserTitle[i].row] = QString("Browser%1Title").arg(i + 1);
  }
  PreferencesDialog d(files);
  const PreferencesFields given = sampleFields(0);
  d.setFields(given);
  for (const SettingRow* row : preferencesWriteOrder()) {
    SCOPED_TRACE(std::string(row->section) + "\\" + std::string(row->key));
    const std::string text = given.settings.text(*row);
    if (row->kind == SettingKind::Flag) {
      const QString name = "Flag " + QString::fromUtf8(row->key.data(), static_cast<qsizetype>(row->key.size()));
      EXPECT_EQ(child<QCheckBox>(d, name.toUtf8().constData())->isChecked(), text == "True");
      continue;
    }
    ASSERT_EQ(boxes.count(row), 1u) << "no box for this setting";
    const QByteArray name = boxes[row].toUtf8();
    QWidget* box = child<QWidget>(d, name.constData());
    ASSERT_NE(box, nullptr);
    const QString shown = qobject_cast<QComboBox*>(box) ? qobject_cast<QComboBox*>(box)->currentText()
                                                        : qobject_cast<QLineEdit*>(box)->text();
    // A style box shows the style's caption.
    const std::string expected =
        row->section == "Colors" && row->kind == SettingKind::Text ? styleCaption(text).value_or("?") : text;
    EXPECT_EQ(shown.toStdString(), expected);
  }
  EXPECT_TRUE(child<QCheckBox>(d, "TimedBackup")->isChecked());
  EXPECT_TRUE(child<QComboBox>(d, "BackupInterval")->isEnabled());
  EXPECT_TRUE(child<QComboBox>(d, "EditorSecondary")->isEnabled());
  EXPECT_FALSE(child<QComboBox>(d, "GutterSecondary")->isEnabled());
  EXPECT_TRUE(child<QCheckBox>(d, "ReopenSession")->isChecked());
  EXPECT_EQ(test::itemTexts(child<QListWidget>(d, "CuecardList")), QStringList({"b", "i"}));
  EXPECT_EQ(child<QTreeWidget>(d, "TemplateList")->topLevelItem(0)->text(1), "table");
}

TEST_F(PreferencesTest, UntickingOnlyDisableDraggingWritesItEmptyAndKeepsTheRest) {
  storeValue("", "Disable Dragging", "True");
  storeValue("Proxies", "Server", "proxy.example");
  storeValue("Proxies", "Password", "s3cret");
  storeValue("Colors", "Editor Background Style", "VG");
  auto d = openDialog();
  EXPECT_TRUE(child<QComboBox>(*d, "EditorSecondary")->isEnabled());
  child<QCheckBox>(*d, "Flag Disable Dragging")->setChecked(false);
  ASSERT_TRUE(okAndSave(*d));
  EXPECT_EQ(stored("", "Disable Dragging"), "");
  EXPECT_EQ(stored("", "Auto Indent"), "True");
  EXPECT_EQ(stored("Proxies", "Server"), "proxy.example");
  EXPECT_EQ(stored("Proxies", "Password"), "s3cret");
  EXPECT_EQ(stored("Colors", "Editor Background Style"), "VG");
  EXPECT_EQ(stored("", "Block Indent"), "1");
  // The store may hold the proxy password: its owner alone reads it.
  IniSettingsStore store;
  EXPECT_EQ(QFileInfo(store.fileName()).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
}

TEST_F(PreferencesTest, ReopeningTheSessionIsOnByDefaultAndCanBeTurnedOff) {
  auto d = openDialog();
  QCheckBox* reopen = child<QCheckBox>(*d, "ReopenSession");
  EXPECT_TRUE(reopen->isChecked());
  reopen->setChecked(false);
  ASSERT_TRUE(okAndSave(*d));
  EXPECT_EQ(stored("Session", "Restore"), "False");
  EXPECT_FALSE(openDialog()->findChild<QCheckBox*>("ReopenSession")->isChecked());
}

// A store from before the switches were kept has them on; what the user
// ticks is kept and shown again.
TEST_F(PreferencesTest, CuecardSwitchesAreKeptAndOnInAnOlderStore) {
  {
    IniSettingsStore store;
    QSettings raw(store.fileName(), QSettings::IniFormat);
    raw.remove("HTML Cuecard");
    raw.remove("JavaScript Cuecard");
    raw.sync();
  }
  ASSERT_EQ(stored("", "HTML Cuecard"), "");
  auto d = openDialog();
  QCheckBox* html = child<QCheckBox>(*d, "Flag HTML Cuecard");
  QCheckBox* script = child<QCheckBox>(*d, "Flag JavaScript Cuecard");
  EXPECT_TRUE(html->isChecked());
  EXPECT_TRUE(script->isChecked());
  html->setChecked(false);
  ASSERT_TRUE(okAndSave(*d));
  EXPECT_EQ(stored("", "HTML Cuecard"), "");
  EXPECT_EQ(stored("", "JavaScript Cuecard"), "True");
  EXPECT_FALSE(snapshot().get(kHtmlCuecard));
  EXPECT_TRUE(snapshot().get(kJavaScriptCuecard));
  auto again = openDialog();
  EXPECT_FALSE(child<QCheckBox>(*again, "Flag HTML Cuecard")->isChecked());
  EXPECT_TRUE(child<QCheckBox>(*again, "Flag JavaScript Cuecard")->isChecked());
}

// Ticking "Enable Timed Backup" with no interval offers the usual five
// minutes, so that OK does not store the backup as off.
TEST_F(PreferencesTest, TickingTimedBackupWithoutAnIntervalOffersFiveMinutes) {
  storeValue("", "Timed Backup", "");
  auto d = openDialog();
  QCheckBox* backup = child<QCheckBox>(*d, "TimedBackup");
  QComboBox* interval = child<QComboBox>(*d, "BackupInterval");
  ASSERT_FALSE(backup->isChecked());
  ASSERT_EQ(interval->currentText(), "");
  backup->setChecked(true);
  EXPECT_EQ(interval->currentText(), "5");
  ASSERT_TRUE(okAndSave(*d));
  EXPECT_EQ(stored("", "Timed Backup"), "5");
  // An interval of the user's own is left as it is.
  auto again = openDialog();
  child<QCheckBox>(*again, "TimedBackup")->setChecked(false);
  child<QComboBox>(*again, "BackupInterval")->setCurrentText("12");
  child<QCheckBox>(*again, "TimedBackup")->setChecked(true);
  EXPECT_EQ(child<QComboBox>(*again, "BackupInterval")->currentText(), "12");
}

TEST_F(PreferencesTest, StyleBoxes) {
  storeValue("Colors", "Gutter Background Style", "HG");
  auto d = openDialog();
  auto* style = child<QComboBox>(*d, "EditorStyle");
  auto* secondary = child<QComboBox>(*d, "EditorSecondary");
  EXPECT_EQ(style->currentText(), "Normal");
  EXPECT_FALSE(secondary->isEnabled());
  style->setCurrentText("Vertical Gradient");
  EXPECT_TRUE(secondary->isEnabled());
  style->setCurrentText("Diagonal");  // other text leaves the box as it was
  EXPECT_TRUE(secondary->isEnabled());
  EXPECT_EQ(child<QComboBox>(*d, "GutterStyle")->currentText(), "Horizontal Gradient");
  ASSERT_TRUE(okAndSave(*d));
  // "Diagonal" names no style: the stored one (none yet) stays, not "VG" nor "NM".
  EXPECT_EQ(stored("Colors", "Editor Background Style"), "");
  EXPECT_EQ(stored("Colors", "Gutter Background Style"), "HG");
}

TEST_F(PreferencesTest, ValuesTheSettingsCannotHoldAreRefusedAndNothingIsWritten) {
  struct Case {
    const char* field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"BlockIndent", "two", "Block Indent: 'two' is not a whole number."},
      {"EditorPrimary", "clPurpleish", "Editor Primary Color: 'clPurpleish' is not a colour."},
      {"GutterSecondary", "", "Gutter Secondary Color: '' is not a colour."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    prompter.errors.clear();
    auto d = openDialog();
    child<QCheckBox>(*d, "Flag Auto Indent")->setChecked(false);
    test::fill(d.get(), c.field, c.text);
    EXPECT_FALSE(okAndSave(*d));
    EXPECT_EQ(prompter.errors, QStringList({c.message}));
    EXPECT_EQ(stored("", "Auto Indent"), "True");
  }
}

TEST_F(PreferencesTest, CuecardEntries) {
  auto d = openDialog();
  auto* list = child<QListWidget>(*d, "CuecardList");
  EXPECT_EQ(test::itemTexts(list), QStringList({"a href=\"\"", "b"}));

  prompter.inputs = {QString(), QString("blink"), std::nullopt};
  for (int i = 0; i < 3; ++i) test::click(d.get(), "CuecardAdd");
  EXPECT_EQ(prompter.errors, QStringList({"Please specify a new tag or click cancel."}));
  EXPECT_EQ(test::itemTexts(list), QStringList({"a href=\"\"", "b", "blink"}));

  emit list->itemDoubleClicked(list->item(1));
  EXPECT_EQ(child<QLineEdit>(*d, "CurrentSetting")->text(), "b");
  list->setCurrentRow(1);
  test::fill(d.get(), "NewSetting", "br");
  test::click(d.get(), "CuecardUpdate");
  list->clearSelection();
  test::fill(d.get(), "NewSetting", "hr");
  test::click(d.get(), "CuecardUpdate");
  EXPECT_EQ(test::itemTexts(list), QStringList({"a href=\"\"", "br", "blink", "hr"}));

  ASSERT_TRUE(okAndSave(*d));
  EXPECT_EQ(home.read("Extensions/tags.txt"), "a href=\"\"\r\nbr\r\nblink\r\nhr\r\n");
}

TEST_F(PreferencesTest, TemplatesAddedEditedAndDeletedAreWrittenBack) {
  auto d = openDialog();
  auto* list = child<QTreeWidget>(*d, "TemplateList");
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_FALSE(child<QWidget>(*d, "CurrentItem")->isEnabled());

  test::click(d.get(), "TemplateAdd");
  EXPECT_TRUE(child<QWidget>(*d, "CurrentItem")->isEnabled());
  test::fill(d.get(), "Keyword", "ul");
  test::fill(d.get(), "Description", "a list");
  test::fill(d.get(), "Code", "<ul>\n  <li>|</li>\n</ul>");
  test::click(d.get(), "TemplateDone");
  EXPECT_FALSE(child<QWidget>(*d, "CurrentItem")->isEnabled());

  list->setCurrentItem(list->topLevelItem(0));
  test::click(d.get(), "TemplateEdit");
  EXPECT_EQ(child<QPlainTextEdit>(*d, "Code")->toPlainText(), "<table>\n</table>");
  test::fill(d.get(), "Description", "an empty table");
  test::click(d.get(), "TemplateDone");

  // Delete asks; No keeps the row, Yes removes it.
  prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
  list->setCurrentItem(list->topLevelItem(1));
  test::click(d.get(), "TemplateDelete");
  ASSERT_EQ(list->topLevelItemCount(), 2);
  test::click(d.get(), "TemplateDelete");
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_EQ(prompter.messages.at(0).text, "Do you wish to delete this TagTemplate?");

  test::click(d.get(), "TemplateAdd");
  test::fill(d.get(), "Keyword", "ul");
  test::fill(d.get(), "Code", "<ul>\n</ul>");
  test::click(d.get(), "TemplateDone");
  ASSERT_TRUE(okAndSave(*d));
  const std::vector<TagTemplate> expected = {{"table", "an empty table", "<table>\r\n</table>"},
                                             {"ul", "", "<ul>\r\n</ul>"}};
  EXPECT_EQ(readTagTemplates(files.templates.toStdString()), expected);
}

TEST_F(PreferencesTest, AMissingListFileIsReportedAndTheOtherFieldsStillLoad) {
  QFile::remove(files.cuecard);
  storeValue("Proxies", "Server", "proxy.example");
  auto d = openDialog();
  EXPECT_EQ(prompter.errors, QStringList({"Cannot open file " + files.cuecard}));
  EXPECT_EQ(child<QLineEdit>(*d, "ProxyServer")->text(), "proxy.example");
  ASSERT_TRUE(okAndSave(*d));
  EXPECT_EQ(stored("Proxies", "Server"), "proxy.example");
}

TEST_F(PreferencesTest, AutoFindFillsBrowsersInTheirFixedOrder) {
  const QString bin = home.file("fakebin");
  const QString apps = home.file("fakedata/applications");
  QDir().mkpath(bin);
  QDir().mkpath(apps);
  auto program = [](const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
  };
  program(bin + "/chromium");
  program(bin + "/gimp");
  program(home.file("vivaldi-bin"));
  QFile entry(apps + "/vivaldi-stable.desktop");
  ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
  entry.write(
      ("[Desktop Entry]\nType=Application\nName=Vivaldi\nExec=" + home.file("vivaldi-bin") + " %U\n").toLocal8Bit());
  entry.close();
  const QByteArray oldPath = qgetenv("PATH"), oldData = qgetenv("XDG_DATA_HOME"), oldDirs = qgetenv("XDG_DATA_DIRS");
  qputenv("PATH", bin.toLocal8Bit());
  qputenv("XDG_DATA_HOME", home.file("fakedata").toLocal8Bit());
  qputenv("XDG_DATA_DIRS", home.file("nothing").toLocal8Bit());

  storeValue("Programs", "Browser 3", "/opt/kept");
  storeValue("Programs", "Browser 3 Title", "Kept");
  auto d = openDialog();
  d->autoFindPrograms();
  qputenv("PATH", oldPath);
  qputenv("XDG_DATA_HOME", oldData);
  qputenv("XDG_DATA_DIRS", oldDirs);

  EXPECT_EQ(d->browserField(1)->text(), bin + "/chromium");
  EXPECT_EQ(d->browserTitleField(1)->text(), "Chromium");
  EXPECT_EQ(d->browserField(2)->text(), home.file("vivaldi-bin"));
  EXPECT_EQ(d->browserTitleField(2)->text(), "Vivaldi");
  EXPECT_EQ(d->browserField(3)->text(), "/opt/kept");
  EXPECT_EQ(d->browserTitleField(3)->text(), "Kept");
  EXPECT_EQ(child<QLineEdit>(*d, "ImageEditor")->text(), bin + "/gimp");
  EXPECT_EQ(child<QLineEdit>(*d, "VisualEditor")->text(), "");
}

TEST_F(PreferencesTest, CancelStillReloadsAndOffersToUpdateOpenDocuments) {
  MainWindow window;
  window.show();
  window.createDocument();
  QAction* browser3 = window.action(ids::kPreviewInBrowser[2]);
  ASSERT_FALSE(browser3->isEnabled());
  storeValue("Programs", "Browser 3", "/usr/bin/true");
  storeValue("Programs", "Browser 3 Title", "Third");
  prompter.answers = {Prompter::Answer::Yes};
  test::whenModal("PreferencesDialog", [](QDialog* d) { test::click(d, "CancelButton"); });
  window.action(ids::kPreferences)->trigger();
  EXPECT_TRUE(browser3->isEnabled());
  EXPECT_EQ(browser3->text(), "Third");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Update all open documents?\nIf you choose no, only newly created or opened documents will be updated.");
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

}  // namespace
}  // namespace markloom
