// Run by installed_layout_test.sh from the bin folder of an installed prefix
// that the user cannot write, as that user, with MARKLOOM_HOME unset: the
// commands that write files work, and what they write lands in the user's
// data folder. The script checks afterwards that nothing changed in the prefix.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QToolBar>

#include "core/common/command_ids.h"
#include "core/settings/settings_schema.h"
#include "core/settings/settings_table.h"
#include "core/text/line_list.h"
#include "platform/files/program_folder.h"
#include "platform/settings/ini_settings_store.h"
#include "support/dialog_driver.h"
#include "support/scripted_prompter.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"
#include "ui/highlighting/highlighting_options_window.h"
#include "ui/highlighting/scheme_editor.h"
#include "ui/preferences/preferences_dialog.h"
#include "ui/tidy/tidy_commands.h"
#include "ui/webtools/open_from_web_window.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;

QString userFile(const QString& relative) {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Tarnwell/Markloom 5.0/" + relative;
}

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class InstalledLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qEnvironmentVariableIsEmpty("MARKLOOM_HOME"));
    ASSERT_TRUE(programFolder().endsWith("/share/markloom/")) << programFolder().toStdString();
    ASSERT_FALSE(programFolderIsUsersOwn());
    ASSERT_FALSE(QFileInfo(programFolder()).isWritable());
    {
      IniSettingsStore store;  // a first run's defaults, so document windows open
      if (store.isNew()) writeInstallationDefaults(store);
      store.sync();
    }
    w.show();
  }
  DocumentWindow* page(const std::vector<std::string>& lines) {
    DocumentWindow* doc = w.createDocument();
    doc->document().editorOps().setLines(lines);
    return doc;
  }
  void expectNoErrors() { EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString(); }

  ScriptedPrompter prompter;
  MainWindow w;
};

TEST_F(InstalledLayout, PreferencesOkStoresTheSettingsAndCopiesOnlyAChangedList) {
  test::whenModal("PreferencesDialog", [](QDialog* d) {
    auto* dialog = static_cast<PreferencesDialog*>(d);
    PreferencesFields fields = dialog->fields();
    fields.settings.set(kBlockIndent, "3");
    dialog->setFields(fields);
    test::click(d, "OKButton");
  });
  w.action(ids::kPreferences)->trigger();
  expectNoErrors();
  EXPECT_EQ(w.settings().get(kBlockIndent), "3");
  // Neither list was changed: neither is copied.
  EXPECT_FALSE(QFileInfo::exists(userFile("Extensions/tags.txt")));
  EXPECT_FALSE(QFileInfo::exists(userFile("Extensions/tagtmp.qdf")));

  const QByteArray shipped = bytesOf(programFolder() + "Extensions/tags.txt");
  test::whenModal("PreferencesDialog", [](QDialog* d) {
    auto* dialog = static_cast<PreferencesDialog*>(d);
    PreferencesFields fields = dialog->fields();
    fields.cuecard.push_back("section");
    dialog->setFields(fields);
    test::click(d, "OKButton");
  });
  w.action(ids::kPreferences)->trigger();
  expectNoErrors();
  EXPECT_EQ(bytesOf(userFile("Extensions/tags.txt")), shipped + "section\r\n");
  // Read back from the user's copy the next time.
  test::whenModal("PreferencesDialog", [](QDialog* d) {
    EXPECT_EQ(static_cast<PreferencesDialog*>(d)->fields().cuecard.back(), "section");
    test::click(d, "CancelButton");
  });
  w.action(ids::kPreferences)->trigger();
  expectNoErrors();
}

TEST_F(InstalledLayout, TheFiveTidyCommandsRunWithTheInstalledConfigurations) {
  auto* group = w.findChild<TidyCommands*>("TidyCommands");
  ASSERT_NE(group, nullptr);
  group->setOptionsChooser([] { return std::optional<TidyOptions>(TidyOptions{}); });
  const std::string_view commands[] = {ids::kFormatHtml, ids::kFixAndFormatHtml, ids::kUpgradeToStyleSheets,
                                       ids::kUpgradeToXml, ids::kUpgradeToXhtml};
  for (std::string_view id : commands) {
    SCOPED_TRACE(std::string(id));
    DocumentWindow* doc = page({"<html><head><title>t</title></head><body bgcolor=\"#ffffff\">",
                                "<center><p>one<p>two</center></body></html>"});
    const std::string before = doc->document().editorOps().text();
    prompter.answers.push_back(Prompter::Answer::Ok);
    QSignalSpy ended(group, &TidyCommands::runEnded);
    w.action(id)->trigger();
    ASSERT_TRUE(!ended.isEmpty() || ended.wait(60000));
    expectNoErrors();
    EXPECT_NE(doc->document().editorOps().text(), before);
    ASSERT_FALSE(prompter.messages.empty());
    // tidy found its configuration: the Tidy tab would name the file it could not open.
    for (int i = 0; i < w.tidyList()->count(); ++i)
      EXPECT_FALSE(w.tidyList()->item(i)->text().contains("configuration file"))
          << w.tidyList()->item(i)->text().toStdString();
    prompter.messages.clear();
  }
  EXPECT_TRUE(QFileInfo::exists(userFile("tidy.tmp")));
  EXPECT_TRUE(QFileInfo::exists(userFile("Extensions/error.log")));
  EXPECT_TRUE(QFileInfo::exists(userFile("Extensions/qdtidyformatx.qdf")));
  // The fixed configurations are read where they are installed, never copied.
  EXPECT_FALSE(QFileInfo::exists(userFile("Extensions/qdtidyformat.qdf")));
}

TEST_F(InstalledLayout, TheSchemeEditorSavesAShippedSchemeAsTheUsersCopy) {
  w.action(ids::kHighlightingOptions)->trigger();
  auto* options = w.findChild<HighlightingOptionsWindow*>();
  ASSERT_NE(options, nullptr);
  prompter.fileNames.push_back(programFolder() + "Extensions/schemes/perl.sch");
  options->editor()->findChild<QPushButton*>("LoadButton")->click();
  options->editor()->findChild<QPushButton*>("SaveButton")->click();
  expectNoErrors();
  EXPECT_TRUE(QFileInfo::exists(userFile("Extensions/schemes/perl.sch")));
  // The document window's Highlighters box now reads the user's copy.
  EXPECT_EQ(programPath("Extensions\\schemes\\perl.sch"), userFile("Extensions/schemes/perl.sch"));
}

TEST_F(InstalledLayout, OpenFromWebKeepsItsRecentListInTheUsersFolder) {
  auto* web = w.findChild<OpenFromWebWindow*>("WebForm");
  ASSERT_NE(web, nullptr);
  w.action(ids::kOpenFromWeb)->trigger();
  auto* address = web->findChild<QComboBox*>("URLEdit");
  address->addItem("http://127.0.0.1:9/caf\xc3\xa9");
  web->hide();
  expectNoErrors();
  EXPECT_EQ(readLineList(QFile::encodeName(userFile("Extensions/webrecent.qdf")).toStdString()),
            std::vector<std::string>{"http://127.0.0.1:9/caf\xc3\xa9"});
  // Owner only: the addresses may hold a user name and password.
  EXPECT_EQ(QFileInfo(userFile("")).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
}

TEST_F(InstalledLayout, PreviewWmlPreviewAndTheDownloadTimerWriteTheirWorkFilesToTheUsersFolder) {
  {
    IniSettingsStore store;
    store.write("Programs", "Browser 1", "/bin/true");
    store.write("Programs", "Browser 1 Title", "Nothing");
  }
  w.loadSettings();
  DocumentWindow* doc = page({"<wml>", "<card id=\"a\">hi</card>", "</wml>"});
  w.action(ids::kPreviewInBrowser[0])->trigger();
  expectNoErrors();
  EXPECT_EQ(bytesOf(userFile("Prt335.htm")), "<wml>\r\n<card id=\"a\">hi</card>\r\n</wml>\r\n");

  doc->document().editorOps().select({1, 0}, {2, 0});
  doc->optionsBar()->findChild<QAction*>(QString::fromUtf8(ids::kWmlPreview))->trigger();
  expectNoErrors();
  EXPECT_EQ(bytesOf(userFile("waptmp.tmp")), "<card id=\"a\">hi</card>\r\n");

  test::whenModal("TimerForm", [](QDialog* d) { test::click(d, "OKButton"); });
  w.action(ids::kDownloadTimer)->trigger();
  expectNoErrors();
  EXPECT_TRUE(QFileInfo::exists(userFile("tmpsor.htm")));
}

}  // namespace
}  // namespace markloom
