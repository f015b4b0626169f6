// The "Extended Find and Replace" dialog driven through its controls, with the
// scripted prompter answering its questions.
#include "ui/findreplace/multi_file_replace_dialog.h"
#include "core/common/command_ids.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using Answer = Prompter::Answer;

template <class W>
W* child(const QWidget& parent, const char* name) {
  W* w = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

QStringList listed(const MultiFileReplaceDialog& dialog) {
  QStringList out;
  auto* list = child<QListWidget>(dialog, "ListBox1");
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

QStringList counters(const MultiFileReplaceDialog& dialog) {
  return {child<QLineEdit>(dialog, "Edit1")->text(), child<QLineEdit>(dialog, "Edit2")->text(),
          child<QLineEdit>(dialog, "Edit3")->text(), child<QLineEdit>(dialog, "Edit4")->text(),
          child<QLabel>(dialog, "lblPerc")->text()};
}

class MultiFileReplaceDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString put(const QString& name, const QByteArray& bytes) const {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return dir.filePath(name);
  }
  static QByteArray get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }
  QStringList filesInFolder() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

  ScriptedPrompter prompter;
  QTemporaryDir dir;
};

TEST_F(MultiFileReplaceDialogTest, OpensWithItsControlsEmptyAndTheCountersAtZero) {
  MultiFileReplaceDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), "Extended Find and Replace");
  // Fixed in size: 368 x 420, or larger where the font needs more room.
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_GE(dialog.width(), 368);
  EXPECT_GE(dialog.height(), 420);
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(dialog.fields(), FindReplaceFields{});
  EXPECT_EQ(child<QCheckBox>(dialog, "CheckBox1")->text(), "Case sensitive");
  EXPECT_EQ(child<QCheckBox>(dialog, "CheckBox2")->text(), "Whole words only");
  EXPECT_EQ(child<QCheckBox>(dialog, "CheckBox4")->text(), "Prompt on replace");
  EXPECT_EQ(child<QCheckBox>(dialog, "CheckBox3")->text(), "Backup original file");
  EXPECT_EQ(child<QPushButton>(dialog, "Button1")->text(), "&Select");
  EXPECT_EQ(child<QPushButton>(dialog, "Button2")->text(), "&Clear");
  EXPECT_EQ(child<QPushButton>(dialog, "Button4")->text(), "&Replace");
  EXPECT_TRUE(child<QPushButton>(dialog, "Button4")->isDefault());
  EXPECT_EQ(counters(dialog), (QStringList{"0", "0", "0", "0", "0 %"}));
  EXPECT_EQ(child<QProgressBar>(dialog, "ProgressBar1")->maximum(), 100);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  EXPECT_TRUE(child<QLineEdit>(dialog, "Edit971")->hasFocus());
}

TEST_F(MultiFileReplaceDialogTest, FieldsReadBackWhatWasSet) {
  MultiFileReplaceDialog dialog;
  FindReplaceFields f;
  f.find = "caf\u00e9";
  f.replace = "bar";
  f.files = QStringList{"/a/b.htm", "/c d/e.htm"};
  f.caseSensitive = true;
  f.prompt = true;
  f.backup = true;
  dialog.setFields(f);
  EXPECT_EQ(dialog.fields(), f);
  f.caseSensitive = false;
  f.wholeWords = true;
  f.prompt = false;
  f.files.clear();
  dialog.setFields(f);
  EXPECT_EQ(dialog.fields(), f);
}

TEST_F(MultiFileReplaceDialogTest, SelectReplacesTheListClearAndDeleteRemoveFiles) {
  MultiFileReplaceDialog dialog;
  dialog.show();
  prompter.fileLists.push_back({"/x/1.htm", "/x/2.htm", "/x/3.htm"});
  prompter.fileLists.push_back({});  // the chooser cancelled: the list stays
  child<QPushButton>(dialog, "Button1")->click();
  EXPECT_EQ(prompter.fileCaptions, QStringList{"Select Files"});
  EXPECT_EQ(listed(dialog), (QStringList{"/x/1.htm", "/x/2.htm", "/x/3.htm"}));
  child<QPushButton>(dialog, "Button1")->click();
  EXPECT_EQ(listed(dialog), (QStringList{"/x/1.htm", "/x/2.htm", "/x/3.htm"}));

  auto* list = child<QListWidget>(dialog, "ListBox1");
  list->item(0)->setSelected(true);
  list->item(2)->setSelected(true);
  QTest::keyClick(list, Qt::Key_Delete);
  EXPECT_EQ(listed(dialog), QStringList{"/x/2.htm"});
  child<QPushButton>(dialog, "Button2")->click();
  EXPECT_TRUE(listed(dialog).isEmpty());
}

TEST_F(MultiFileReplaceDialogTest, ReplaceWithNoFilesWarnsAndStaysOpen) {
  MultiFileReplaceDialog dialog;
  dialog.show();
  prompter.answers.push_back(Answer::Ok);
  child<QPushButton>(dialog, "Button4")->click();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Please select files to search.");
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Warning);
  EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::Ok);
  QTest::qWait(50);
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(MultiFileReplaceDialogTest, APassReplacesCountsKeepsOnlyChangedFilesAndClosesAfterTheMinimumTime) {
  const QString changed = put("a.htm", "Cat cat\r\n");
  const QString unchanged = put("b.htm", "cow\r\n");
  const QString missing = dir.filePath("missing.htm");
  MultiFileReplaceDialog dialog;
  FindReplaceFields f;
  f.find = "cat";
  f.replace = "dog";
  f.files = QStringList{changed, missing, unchanged};
  dialog.setFields(f);  // "Case sensitive" clear: the case of a to z is ignored
  dialog.show();
  prompter.answers.push_back(Answer::Ok);

  QElapsedTimer clock;
  clock.start();
  child<QPushButton>(dialog, "Button4")->click();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Error accessing file " + missing);
  EXPECT_EQ(get(changed), "dog dog\r\n");
  EXPECT_EQ(get(unchanged), "cow\r\n");
  EXPECT_EQ(listed(dialog), QStringList{changed});
  EXPECT_EQ(counters(dialog), (QStringList{"2", "14", "9", "2", "100 %"}));
  EXPECT_EQ(child<QProgressBar>(dialog, "ProgressBar1")->value(), 100);
  EXPECT_EQ(filesInFolder(), (QStringList{"a.htm", "b.htm"}));

  EXPECT_TRUE(dialog.isVisible());
  while (dialog.isVisible() && clock.elapsed() < 20000) QTest::qWait(20);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_GE(clock.elapsed(), MultiFileReplaceDialog::kMinimumPassMs);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(MultiFileReplaceDialogTest, CheckedCaseSensitiveMatchesExactly) {
  const QString page = put("a.htm", "Cat cat\n");
  MultiFileReplaceDialog dialog;
  FindReplaceFields f;
  f.find = "cat";
  f.replace = "dog";
  f.caseSensitive = true;
  f.files = QStringList{page};
  dialog.setFields(f);
  child<QPushButton>(dialog, "Button4")->click();
  EXPECT_EQ(get(page), "Cat dog\n");
}

TEST_F(MultiFileReplaceDialogTest, PromptsThroughThePrompterWithTheFileAndTheLine) {
  const QString page = put("a.htm", "first\r\n  a cat and a cat\r\n");
  MultiFileReplaceDialog dialog;
  FindReplaceFields f;
  f.find = "cat";
  f.replace = "dog";
  f.prompt = true;
  f.backup = true;
  f.files = QStringList{page};
  dialog.setFields(f);
  prompter.answers = {Answer::No, Answer::Yes};
  child<QPushButton>(dialog, "Button4")->click();
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].caption, "Confirm");
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Question);
  EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::YesNoAllCancel);
  EXPECT_EQ(prompter.messages[0].text,
            "Replace \"cat\" with \"dog\" in file\n" + page + "\nFor the following line:\n\na cat and a cat");
  EXPECT_EQ(get(page), "first\r\n  a cat and a dog\r\n");
  EXPECT_EQ(get(page + ".bak"), "first\r\n  a cat and a cat\r\n");
  EXPECT_EQ(counters(dialog)[3], "1");
}

// The files are not documents: typed text is searched for and written as
// UTF-8, and the line quoted in the question is read as UTF-8 when it is,
// otherwise as 8-bit text.
struct FileTextCase {
  const char* name;
  QByteArray file;
  QString find;
  QString replace;
  QStringList questionLines;  // the quoted line of each question asked
  QByteArray after;
};
std::ostream& operator<<(std::ostream& os, const FileTextCase& c) { return os << c.name; }

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

class FileText : public MultiFileReplaceDialogTest, public ::testing::WithParamInterface<FileTextCase> {};

TEST_P(FileText, TypedTextIsUtf8AndQuotedLinesShowAsTheFileHasThem) {
  const FileTextCase& c = GetParam();
  const QString page = put("page.htm", c.file);
  MultiFileReplaceDialog dialog;
  FindReplaceFields f;
  f.find = c.find;
  f.replace = c.replace;
  f.prompt = true;
  f.files = QStringList{page};
  dialog.setFields(f);
  for (qsizetype i = 0; i < c.questionLines.size(); ++i) prompter.answers.push_back(Answer::Yes);
  child<QPushButton>(dialog, "Button4")->click();
  QStringList asked;
  for (const auto& m : prompter.messages) asked << m.text;
  QStringList expected;
  for (const QString& line : c.questionLines)
    expected << "Replace \"" + c.find + "\" with \"" + c.replace + "\" in file\n" + page +
                    "\nFor the following line:\n\n" + line;
  EXPECT_EQ(asked, expected);
  EXPECT_EQ(get(page), c.after);
}

const QByteArray kLongLine = "cat " + QByteArray(195, 'a') +
                             "\xC3\xA9"
                             "b\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, FileText,
    ::testing::Values(FileTextCase{"Utf8File",
                                   "caf\xC3\xA9 and more\r\n",
                                   text("\u00e9"),
                                   text("\u20ac"),
                                   {text("caf\u00e9 and more")},
                                   "caf\xE2\x82\xAC and more\r\n"},
                      FileTextCase{"EightBitFile",
                                   "caf\xE9 \x80 cat\r\n",
                                   "cat",
                                   "dog",
                                   {text("caf\u00e9 \u20ac cat")},
                                   "caf\xE9 \x80 dog\r\n"},
                      FileTextCase{
                          "TypedTextIsNotLookedForAsEightBit", "caf\xE9\r\n", text("\u00e9"), "e", {}, "caf\xE9\r\n"},
                      // The quoted line stops after 200 bytes, inside the "\u00e9": still UTF-8.
                      FileTextCase{"Utf8LineCutInsideACharacter",
                                   kLongLine,
                                   "cat",
                                   "dog",
                                   {"cat " + QString(195, 'a') + QChar(0xFFFD)},
                                   "dog " + kLongLine.mid(4)}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MultiFileReplaceDialogTest, CloseDuringAPassCancelsItAndLeavesTheFilesAsTheyWere) {
  QByteArray big;
  for (int i = 0; i < 100000; ++i) big += "a cat line\r\n";
  QStringList files;
  for (int i = 0; i < 3; ++i) files << put(QString("page%1.htm").arg(i), big);
  MultiFileReplaceDialog dialog;
  FindReplaceFields f;
  f.find = "cat";
  f.replace = "dog";
  f.files = files;
  dialog.setFields(f);
  dialog.show();
  bool runningWhenClosed = false;
  // Runs inside the pass, when it first lets the window take input.
  QTimer::singleShot(0, &dialog, [&] {
    runningWhenClosed = dialog.passRunning();
    child<QPushButton>(dialog, "Button5")->click();
  });
  child<QPushButton>(dialog, "Button4")->click();
  EXPECT_TRUE(runningWhenClosed);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  for (const QString& file : files) EXPECT_EQ(get(file), big) << file.toStdString();
  EXPECT_EQ(filesInFolder(), (QStringList{"page0.htm", "page1.htm", "page2.htm"}));
}

TEST(FindReplaceCommand, TheMenuCommandOpensTheDialogModally) {
  test::TempHome home;
  ScriptedPrompter prompter;
  MainWindow window;
  QAction* command = window.action(ids::kMultiFileReplace);
  ASSERT_NE(command, nullptr);
  bool opened = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<MultiFileReplaceDialog*>(QApplication::activeModalWidget());
    opened = dialog != nullptr;
    if (dialog) dialog->reject();
  });
  command->trigger();
  EXPECT_TRUE(opened);
  EXPECT_TRUE(window.findChildren<MultiFileReplaceDialog*>().isEmpty());  // destroyed when closed
}

}  // namespace
}  // namespace markloom
