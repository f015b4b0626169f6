// Loading the settings store into the main window.
#include <gtest/gtest.h>

#include "core/settings/settings_table.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/common/command_ids.h"
#include "platform/settings/ini_settings_store.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/codecontroller/code_controller.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

class SettingsLoad : public ::testing::Test {
 protected:
  void store(const std::string& key, const std::string& name, const std::string& text) {
    IniSettingsStore s;
    s.write(key, name, text);
  }
  QString storeFile() const { return IniSettingsStore().fileName(); }
  TempHome home;
  ScriptedPrompter prompter;
};

TEST_F(SettingsLoad, FirstRunWritesValidDefaultsOnlyReadableByTheOwner) {
  MainWindow w;
  w.show();
  EXPECT_TRUE(prompter.errors.isEmpty());
  EXPECT_EQ(w.settings().get(kBlockIndent), "1");
  EXPECT_EQ(w.settings().get(kEditorBackground1), "clWindow");
  EXPECT_EQ(w.settings().get(kBrowser[0]), "");
  EXPECT_EQ(w.settings().get(kDefaultDirectory), QDir::homePath().toStdString());
  EXPECT_TRUE(QFileInfo::exists(storeFile()));
  const auto permissions = QFile::permissions(storeFile());
  EXPECT_TRUE(permissions & QFileDevice::ReadOwner);
  EXPECT_FALSE(permissions &
               (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther));
  for (std::string_view id : ids::kPreviewInBrowser) EXPECT_FALSE(w.action(id)->isEnabled());
}

// A damaged store is reported when the window shows, with what is wrong and
// where; the window runs on first-run defaults and the file is kept aside,
// unchanged, through the whole run.
TEST_F(SettingsLoad, ADamagedStoreIsReportedKeptAsideAndTheDefaultsUsed) {
  const QString path = storeFile();
  const QByteArray damaged = "[General]\nBlock%20Indent=7\n[Colors\nEditor%20Background%201=clRed\n";
  QDir().mkpath(QFileInfo(path).absolutePath());
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(damaged);
  }
  {
    MainWindow w;
    w.show();
    ASSERT_EQ(prompter.errors.size(), 1) << prompter.errors.join("\n").toStdString();
    EXPECT_TRUE(prompter.errors[0].startsWith("The settings file " + path + " is damaged (line 3: "))
        << prompter.errors[0].toStdString();
    EXPECT_EQ(w.settings().get(kBlockIndent), "1");
    EXPECT_EQ(w.settings().get(kEditorBackground1), "clWindow");
  }
  const QStringList kept = QFileInfo(path).dir().entryList({QFileInfo(path).fileName() + ".damaged-*"}, QDir::Files);
  ASSERT_EQ(kept.size(), 1);
  QFile f(QFileInfo(path).dir().filePath(kept[0]));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), damaged);
}

TEST_F(SettingsLoad, AnExistingEmptyStoreReadsEveryValueAsEmpty) {
  QDir().mkpath(QFileInfo(storeFile()).absolutePath());
  QFile f(storeFile());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  MainWindow w;
  w.show();
  EXPECT_EQ(w.settings().get(kBlockIndent), "");
  EXPECT_EQ(w.settings().get(kKeymapping), "");
  for (std::string_view id : ids::kPreviewInBrowser) EXPECT_FALSE(w.action(id)->isEnabled());
}

TEST_F(SettingsLoad, LowerCaseTrueIsOff) {
  store("", "Auto Indent", "true");
  store("", "Smart Tabs", "True");
  MainWindow w;
  w.show();
  EXPECT_FALSE(w.settings().get(kAutoIndent));
  EXPECT_TRUE(w.settings().get(kSmartTabs));
}

TEST_F(SettingsLoad, ABrowserSetLaterIsEnabledWithItsTitleWithoutRestart) {
  MainWindow w;
  w.show();
  EXPECT_FALSE(w.action(ids::kPreviewInBrowser[2])->isEnabled());
  store("Programs", "Browser 3", "/usr/bin/firefox");
  store("Programs", "Browser 3 Title", "Firefox");
  w.loadSettings();
  EXPECT_TRUE(w.action(ids::kPreviewInBrowser[2])->isEnabled());
  EXPECT_EQ(w.action(ids::kPreviewInBrowser[2])->text(), "Firefox");
  // Clearing the path later leaves the entry enabled for the rest of the run.
  store("Programs", "Browser 3", "");
  w.loadSettings();
  EXPECT_TRUE(w.action(ids::kPreviewInBrowser[2])->isEnabled());
}

TEST_F(SettingsLoad, DefaultDirectoryPointsTheFilesTab) {
  home.write("start/page.htm", "x");
  store("", "Default Directory", home.file("start").toStdString());
  MainWindow w;
  w.show();
  EXPECT_EQ(w.codeController()->folder(), home.file("start"));
  EXPECT_EQ(w.codeController()->listedFiles(), QStringList({"page.htm"}));
}

TEST_F(SettingsLoad, AValueThatIsNotTextStopsTheLoadWithItsName) {
  // An unquoted comma makes the INI reader return a list, not a text.
  QDir().mkpath(QFileInfo(storeFile()).absolutePath());
  QFile f(storeFile());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[Proxies]\nServer=proxy.local\nPort=80, 8080\n[Programs]\nBrowser%201=/usr/bin/true\n");
  f.close();
  MainWindow w;
  w.show();
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_EQ(prompter.errors[0], "Invalid data type for 'Port'");
  EXPECT_EQ(w.settings().get(kProxyServer), "proxy.local");
  EXPECT_FALSE(w.action(ids::kPreviewInBrowser[0])->isEnabled());
}

}  // namespace
}  // namespace markloom
