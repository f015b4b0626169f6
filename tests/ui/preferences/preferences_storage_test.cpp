// Loading and saving the Preferences fields without the dialog: what comes
// from the snapshot, the store and the two list files, how a failing step is
// reported, and where saving stops when a list file cannot be written.
#include "ui/preferences/preferences_storage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "core/common/error.h"
#include "core/settings/settings_schema.h"
#include "core/settings/settings_table.h"
#include "core/text/line_list.h"
#include "platform/settings/ini_settings_store.h"
#include "stored_settings.h"
#include "temp_home.h"

namespace markloom {
namespace {

using test::stored;
using test::storeValue;

class PreferencesStorageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    snapshot = {};
    files = {home.file("tagtmp.qdf"), home.file("tags.txt")};
    writeTagTemplates(files.templates.toStdString(), templates);
    writeLineList(files.cuecard.toStdString(), cuecard);
    snapshot.set(kDefaultDirectory, "/srv/www");
    snapshot.set(kTidyBlockTags, "section article");
    snapshot.setFlag(kWordWrap, true);
    snapshot.setFlag(kIgnoreNumbers, true);
    snapshot.set(kTimedBackup, "7");
    snapshot.set(kKeymapping, "Brief");
    snapshot.set(kEditorBackgroundStyle, "VG");
    snapshot.set(kEditorBackground1, "$000000FF");
    snapshot.set(kEditorBackground2, "clNavy");
    snapshot.set(kGutterBackgroundStyle, "XX");
    snapshot.set(kGutterBackground1, "clBtnFace");
    snapshot.set(kGutterBackground2, "clNone");
    snapshot.set(kProxyServer, "proxy.example");
    snapshot.set(kProxyPort, "3128");
    // The snapshot may hold a program too; the store's own value wins.
    snapshot.set(kBrowser[0], "/from/snapshot");
    storeValue("Programs", "Browser 1", "/usr/bin/firefox");
    storeValue("Programs", "Browser 1 Title", "Firefox");
    storeValue("Programs", "Image Editor", "/usr/bin/gimp");
    storeValue("Session", "Restore", "False");
  }

  std::vector<std::string> load(PreferencesFields& fields) {
    IniSettingsStore store;
    return PreferencesStorage(files).load(fields, snapshot, store);
  }

  test::TempHome home{false};
  PreferencesStorage::ListFiles files;
  SettingsSnapshot snapshot;
  const std::vector<TagTemplate> templates{{"table", "a table", "<table>\r\n</table>"}, {"br", "", "<br>"}};
  const std::vector<std::string> cuecard{"a href=\"\"", "b"};
};

TEST_F(PreferencesStorageTest, LoadFillsEveryPartFromItsOwnSource) {
  PreferencesFields fields;
  fields.reopenSession = true;
  EXPECT_EQ(load(fields), std::vector<std::string>());
  const PreferenceValues& v = fields.settings;
  EXPECT_EQ(v.get(kDefaultDirectory), "/srv/www");
  EXPECT_EQ(v.get(kTidyBlockTags), "section article");
  EXPECT_TRUE(v.get(kWordWrap));
  EXPECT_FALSE(v.get(kAutoIndent));
  EXPECT_TRUE(v.get(kIgnoreNumbers));
  EXPECT_EQ(v.get(kTimedBackup), "7");
  EXPECT_EQ(v.get(kKeymapping), "Brief");
  EXPECT_EQ(v.get(kProxyPort), "3128");
  EXPECT_EQ(v.get(kBrowser[0]), "/usr/bin/firefox");
  EXPECT_EQ(v.get(kBrowserTitle[0]), "Firefox");
  EXPECT_EQ(v.get(kImageEditor), "/usr/bin/gimp");
  EXPECT_TRUE(v.contains(kBrowser[5].row));
  EXPECT_EQ(v.get(kBrowser[5]), "");
  // Colours as the colour boxes name them; a style code no box can name reads as Normal.
  EXPECT_EQ(v.get(kEditorBackgroundStyle), "VG");
  EXPECT_EQ(v.get(kEditorBackground1), "clRed");
  EXPECT_EQ(v.get(kEditorBackground2), "clNavy");
  EXPECT_EQ(v.get(kGutterBackgroundStyle), "NM");
  EXPECT_EQ(fields.templates, templates);
  EXPECT_EQ(fields.cuecard, cuecard);
  EXPECT_FALSE(fields.reopenSession);
  // Every setting OK writes has a value, and nothing else does.
  for (const SettingRow* row : preferencesWriteOrder()) EXPECT_TRUE(v.contains(*row)) << row->key;
  EXPECT_FALSE(v.contains(kTidyTimeLimit.row));
}

TEST_F(PreferencesStorageTest, WhatSaveWritesLoadsBackUnchanged) {
  PreferencesFields fields;
  ASSERT_EQ(load(fields), std::vector<std::string>());
  fields.settings.set(kProxyServer, "other.example");
  fields.settings.setFlag(kAutoIndent, true);
  fields.settings.set(kBrowser[2], "/opt/browser");
  fields.templates.push_back({"ul", "a list", "<ul>\r\n</ul>"});
  fields.cuecard = {"hr"};
  fields.reopenSession = true;
  {
    IniSettingsStore store;
    PreferencesStorage(files).save(fields, store);
    store.sync();
  }
  // The snapshot the program reads after OK.
  IniSettingsStore store;
  snapshot = {};
  loadSnapshot(store, snapshot, {});
  PreferencesFields again;
  EXPECT_EQ(load(again), std::vector<std::string>());
  EXPECT_EQ(again, fields);
}

TEST_F(PreferencesStorageTest, AFailingStepIsReportedAndLeavesOnlyItsOwnPart) {
  const std::string noTemplates = "Cannot open file " + files.templates.toStdString();
  const std::string noCuecard = "Cannot open file " + files.cuecard.toStdString();
  struct Case {
    const char* name;
    std::function<void()> spoil;
    std::vector<std::string> messages;
    // The parts that keep what the fields held before loading.
    bool templatesKept, cuecardKept, editorColoursKept;
  };
  const Case cases[] = {
      {"MissingTemplates", [&] { QFile::remove(files.templates); }, {noTemplates}, true, false, false},
      {"MissingCuecard", [&] { QFile::remove(files.cuecard); }, {noCuecard}, false, true, false},
      {"BothListsMissing",
       [&] {
         QFile::remove(files.templates);
         QFile::remove(files.cuecard);
       },
       {noTemplates, noCuecard},
       true,
       true,
       false},
      {"UnreadableEditorColour",
       [&] { snapshot.set(kEditorBackground1, "clPurpleish"); },
       {"'clPurpleish' is not a valid integer value"},
       false,
       false,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    c.spoil();
    PreferencesFields fields;
    fields.templates = {{"kept", "", ""}};
    fields.cuecard = {"kept"};
    fields.settings.set(kEditorBackground1, "clWindow");
    fields.settings.set(kEditorBackground2, "clNone");
    EXPECT_EQ(load(fields), c.messages);
    const std::vector<TagTemplate> keptTemplates{{"kept", "", ""}};
    EXPECT_EQ(fields.templates, c.templatesKept ? keptTemplates : templates);
    EXPECT_EQ(fields.cuecard, c.cuecardKept ? std::vector<std::string>{"kept"} : cuecard);
    // The style comes before the colours in their step; the gutter and the
    // proxies are later steps.
    EXPECT_EQ(fields.settings.get(kEditorBackgroundStyle), "VG");
    EXPECT_EQ(fields.settings.get(kEditorBackground1), c.editorColoursKept ? "clWindow" : "clRed");
    EXPECT_EQ(fields.settings.get(kEditorBackground2), c.editorColoursKept ? "clNone" : "clNavy");
    EXPECT_EQ(fields.settings.get(kGutterBackground1), "clBtnFace");
    EXPECT_EQ(fields.settings.get(kProxyServer), "proxy.example");
  }
}

// The lists are read from the shipped files and a changed one is written to
// the user's copy, in the codec the file was read with: an untouched 8-bit
// entry keeps its byte, and a list nobody changed is not copied at all.
TEST_F(PreferencesStorageTest, ListsAreReadAsTheEditorReadsThemAndOnlyChangedOnesAreWritten) {
  const std::vector<TagTemplate> eightBitTemplates{{"copy", "\xa9 sign", "\xa9 \xe9"}};
  writeTagTemplates(files.templates.toStdString(), eightBitTemplates);
  writeLineList(files.cuecard.toStdString(), {"caf\xe9", "b"});
  files.templatesTarget = home.file("own/tagtmp.qdf");
  files.cuecardTarget = home.file("own/tags.txt");
  QDir().mkpath(home.file("own"));
  struct Case {
    const char* name;
    std::function<void(PreferencesFields&)> edit;
    bool templatesWritten, cuecardWritten;
  };
  const Case cases[] = {
      {"Untouched", [](PreferencesFields&) {}, false, false},
      {"CuecardEntryAdded", [](PreferencesFields& f) { f.cuecard.push_back("hr"); }, false, true},
      {"TemplateAdded", [](PreferencesFields& f) { f.templates.push_back({"e", "", "\xc3\xa9"}); }, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(files.templatesTarget);
    QFile::remove(files.cuecardTarget);
    IniSettingsStore store;
    PreferencesStorage storage(files);
    PreferencesFields fields;
    ASSERT_EQ(storage.load(fields, snapshot, store), std::vector<std::string>());
    // The fields hold the characters, as the pages show them.
    EXPECT_EQ(fields.cuecard, (std::vector<std::string>{"caf\xc3\xa9", "b"}));
    EXPECT_EQ(fields.templates, (std::vector<TagTemplate>{{"copy", "\xc2\xa9 sign", "\xc2\xa9 \xc3\xa9"}}));
    c.edit(fields);
    storage.save(fields, store);
    EXPECT_EQ(QFile::exists(files.templatesTarget), c.templatesWritten);
    EXPECT_EQ(QFile::exists(files.cuecardTarget), c.cuecardWritten);
    if (c.cuecardWritten) {
      EXPECT_EQ(readLineList(files.cuecardTarget.toStdString()), (std::vector<std::string>{"caf\xe9", "b", "hr"}));
    }
    if (c.templatesWritten) {
      std::vector<TagTemplate> expected = eightBitTemplates;
      expected.push_back({"e", "", "\xe9"});
      EXPECT_EQ(readTagTemplates(files.templatesTarget.toStdString()), expected);
    }
    // The files read are never written.
    EXPECT_EQ(readLineList(files.cuecard.toStdString()), (std::vector<std::string>{"caf\xe9", "b"}));
    EXPECT_EQ(readTagTemplates(files.templates.toStdString()), eightBitTemplates);
  }
}

TEST_F(PreferencesStorageTest, AListFileThatCannotBeWrittenStopsTheWritingThere) {
  struct Case {
    const char* name;
    bool templatesWritable;
    bool cuecardWritable;
    // What reached the store and the files before the stop.
    bool settingsWritten;
  };
  const Case cases[] = {
      {"TemplatesFirst", false, true, false},
      {"CuecardLast", true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    storeValue("Proxies", "Server", "old.example");
    storeValue("Session", "Restore", "False");
    const QString missingFolder = home.file("no/such/folder/");
    PreferencesStorage::ListFiles target{c.templatesWritable ? home.file("out.qdf") : missingFolder + "tagtmp.qdf",
                                         c.cuecardWritable ? home.file("out.txt") : missingFolder + "tags.txt"};
    QFile::remove(home.file("out.qdf"));
    QFile::remove(home.file("out.txt"));
    PreferencesFields fields;
    fields.settings.set(kProxyServer, "new.example");
    fields.templates = templates;
    fields.cuecard = cuecard;
    fields.reopenSession = true;
    IniSettingsStore store;
    EXPECT_THROW(PreferencesStorage(target).save(fields, store), Error);
    store.sync();
    EXPECT_EQ(stored("Proxies", "Server"), c.settingsWritten ? "new.example" : "old.example");
    EXPECT_EQ(stored("Session", "Restore"), c.settingsWritten ? "True" : "False");
    EXPECT_EQ(QFile::exists(home.file("out.qdf")), c.templatesWritable);
    EXPECT_FALSE(QFile::exists(home.file("out.txt")));
  }
}

}  // namespace
}  // namespace markloom
