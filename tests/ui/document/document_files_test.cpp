// Loading and saving: byte-exact round trips, line ends, atomic and failed saves,
// captions after Open and Save As, changes on disk, timed backup.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include "core/document/new_page.h"
#include "core/text/file_writer.h"
#include "core/text/write_journal.h"
#include "document_fixture.h"
#include "platform/settings/ini_settings_store.h"
#include "support/file_scenes.h"

namespace markloom::test {
namespace {

using Answer = Prompter::Answer;

class DocumentFiles : public DocumentTest {};

struct RoundTrip {
  std::string name;
  std::string bytes;
};
std::ostream& operator<<(std::ostream& os, const RoundTrip& c) { return os << c.name; }

std::string everyByte() {
  std::string all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
  return all + "\r\nsecond line\r\n";
}

class ByteExactRoundTrip : public DocumentTest, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(ByteExactRoundTrip, OpenThenSaveKeepsEveryByte) {
  home.write("in.htm", QByteArray::fromStdString(GetParam().bytes));
  DocumentWindow* d = w.openDocument(home.file("in.htm"));
  ASSERT_TRUE(prompter.errors.isEmpty());
  EXPECT_FALSE(d->document().isModified());
  d->save();
  EXPECT_EQ(bytesOf(home.file("in.htm")), GetParam().bytes);
  // And through Save As to another file.
  prompter.fileNames.push_back(home.file("out.htm"));
  d->saveAs();
  EXPECT_EQ(bytesOf(home.file("out.htm")), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, ByteExactRoundTrip,
                         ::testing::Values(RoundTrip{"EveryByteValue", everyByte()},
                                           RoundTrip{"Utf8",
                                                     "<p>Gr\xC3\xBC\xC3\x9F"
                                                     "e \xE2\x82\xAC \xF0\x9F\x98\x80</p>\r\n"},
                                           RoundTrip{"Windows1252",
                                                     "<p>Gr\xFC\xDF"
                                                     "e \x80 \x93quoted\x94</p>\r\n"},
                                           RoundTrip{"LfLineEnds", "a\nb\n\nc\n"}, RoundTrip{"CrLineEnds", "a\rb\rc"},
                                           RoundTrip{"MixedLineEnds", "a\r\nb\nc\rd"},
                                           RoundTrip{"NoFinalLineEnd", "<html>"}, RoundTrip{"Empty", ""},
                                           RoundTrip{"NulBytes", std::string("a\0b\0\r\n", 6)}),
                         [](const auto& row) { return row.param.name; });

TEST_F(DocumentFiles, EditsTakeTheFileLineEndStyle) {
  home.write("lf.htm", "one\ntwo\n");
  DocumentWindow* d = w.openDocument(home.file("lf.htm"));
  d->document().editorOps().setCaret({1, 0});
  d->document().editorOps().insertLinesAtCaret({"new"});
  d->document().editorOps().replaceSelection("x\r\ny");
  d->save();
  EXPECT_EQ(bytesOf(home.file("lf.htm")), "one\nx\nynew\ntwo\n");
}

TEST_F(DocumentFiles, EightBitTextStaysEightBitWhenEdited) {
  home.write("latin.htm", "caf\xE9\r\n");
  DocumentWindow* d = w.openDocument(home.file("latin.htm"));
  EXPECT_FALSE(d->editor()->isUtf8Text());
  d->document().editorOps().setCaret({0, 4});
  d->document().editorOps().insertAtCaret("!");
  d->save();
  EXPECT_EQ(bytesOf(home.file("latin.htm")), "caf\xE9!\r\n");
}

TEST_F(DocumentFiles, OpenShowsThePathSaveAsTheBareName) {
  home.write("a.htm", "<p>a</p>\r\n");
  prompter.fileNames.push_back(home.file("a.htm"));
  commands->openLocalFile();
  ASSERT_EQ(prompter.fileCaptions.value(0), "Open File");
  DocumentWindow* opened = w.activeDocument();
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->windowTitle(), home.file("a.htm"));
  EXPECT_EQ(opened->document().fileName(), home.file("a.htm"));
  EXPECT_EQ(w.windowList().value(0).first, "Document1");

  DocumentWindow* fresh = w.createDocument();
  prompter.fileNames.push_back(home.file("a.htm"));
  commands->saveDocumentAs();
  EXPECT_EQ(prompter.fileCaptions.value(1), "Save");
  EXPECT_EQ(fresh->windowTitle(), "a.htm");
  EXPECT_EQ(fresh->document().fileName(), home.file("a.htm"));
  EXPECT_EQ(w.windowList().value(1).first, "Document2");
}

TEST_F(DocumentFiles, SaveOnUntitledProposesUntitledAndCancelKeepsItModified) {
  DocumentWindow* d = w.createDocument();
  type(d, "x");
  prompter.fileNames.push_back("");
  commands->saveDocument();
  EXPECT_EQ(prompter.fileCaptions, QStringList({"Save"}));
  EXPECT_EQ(prompter.lastProposed, "UNTITLED");
  EXPECT_TRUE(d->document().isModified());
  EXPECT_EQ(d->document().fileName(), "UNTITLED");
  EXPECT_EQ(d->windowTitle(), "Document1 *");  // still modified
}

TEST_F(DocumentFiles, SaveOfATitledDocumentWritesWithoutAsking) {
  home.write("t.htm", "old\r\n");
  DocumentWindow* d = w.openDocument(home.file("t.htm"));
  d->document().editorOps().setLines({"new"});
  commands->saveDocument();
  EXPECT_TRUE(prompter.fileCaptions.isEmpty());
  EXPECT_FALSE(d->document().isModified());
  EXPECT_EQ(bytesOf(home.file("t.htm")), "new\r\n");
}

TEST_F(DocumentFiles, SaveKeepsPermissionsAndLeavesNoTemporaryFile) {
  home.write("p.htm", "x\r\n");
  ASSERT_EQ(::chmod(home.file("p.htm").toLocal8Bit().constData(), 0640), 0);
  DocumentWindow* d = w.openDocument(home.file("p.htm"));
  type(d, "y");
  d->save();
  struct stat st {};
  ASSERT_EQ(::stat(home.file("p.htm").toLocal8Bit().constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  const QStringList left = QDir(home.path()).entryList({"p.htm*"}, QDir::Files | QDir::Hidden);
  EXPECT_EQ(left, QStringList({"p.htm"}));
}

TEST_F(DocumentFiles, FailedSaveReportsAndKeepsTheDocumentModified) {
  // Root writes read-only files; judge by the permission bits as for a user.
  if (::geteuid() == 0) setWriteAccessProbe(writeAccessByBits);
  home.write("page.htm", "original\r\n");
  DocumentWindow* d = w.openDocument(home.file("page.htm"));
  type(d, "changed ");
  const QByteArray file = home.file("page.htm").toLocal8Bit();
  ASSERT_EQ(::chmod(file.constData(), 0444), 0);
  run(&DocumentCommands::saveDocument);
  EXPECT_EQ(prompter.errors, QStringList({"Cannot create file " + home.file("page.htm") + ": Permission denied"}));
  EXPECT_TRUE(d->document().isModified());
  EXPECT_EQ(bytesOf(home.file("page.htm")), "original\r\n");

  // In the close query a failed save keeps the window open.
  prompter.answers.push_back(Answer::Yes);
  EXPECT_FALSE(frame(d)->close());
  EXPECT_EQ(prompter.errors.size(), 2);
  EXPECT_TRUE(d->document().isModified());
  setWriteAccessProbe({});
  ::chmod(file.constData(), 0644);
}

TEST_F(DocumentFiles, FailedSaveInTheCloseQueryKeepsTheWindowOpen) {
  home.write("plain.txt", "a file, not a folder");
  DocumentWindow* d = w.createDocument();
  type(d, "precious");
  d->document().setFileName(home.file("plain.txt/page.htm"));  // its folder cannot exist
  run(&DocumentCommands::saveDocument);
  EXPECT_EQ(prompter.errors,
            QStringList({"Cannot create file " + home.file("plain.txt/page.htm") + ": Not a directory"}));
  EXPECT_TRUE(d->document().isModified());
  prompter.answers.push_back(Answer::Yes);
  EXPECT_FALSE(frame(d)->close());
  settle();
  EXPECT_EQ(w.documents().size(), 1);
  EXPECT_EQ(prompter.errors.size(), 2);
  EXPECT_TRUE(d->document().isModified());
  EXPECT_NE(d->editor()->bytes().find("precious"), std::string::npos);
}

TEST_F(DocumentFiles, SaveAsToAnUnwritablePathChangesTheNameButStaysModified) {
  DocumentWindow* d = w.createDocument();
  type(d, "x");
  prompter.fileNames.push_back(home.file("missing/folder/a.htm"));
  run(&DocumentCommands::saveDocumentAs);
  EXPECT_EQ(prompter.errors,
            QStringList({"Cannot create file " + home.file("missing/folder/a.htm") + ": No such file or directory"}));
  EXPECT_EQ(d->document().fileName(), home.file("missing/folder/a.htm"));
  EXPECT_EQ(d->windowTitle(), "a.htm *");
  EXPECT_TRUE(d->document().isModified());
}

TEST_F(DocumentFiles, LoadFailureKeepsTheNewWindowAsCreated) {
  DocumentWindow* d = w.openDocument(home.file("nowhere.htm"));
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(prompter.errors, QStringList({"Cannot open file " + home.file("nowhere.htm")}));
  EXPECT_EQ(d->windowTitle(), "Document1");
  EXPECT_EQ(d->document().fileName(), "UNTITLED");
  EXPECT_EQ(d->document().editorOps().lines(), newPageLines());
  EXPECT_FALSE(d->document().isModified());
}

// A FIFO, a device or a folder (opened here or handed over by another start of
// the program, which comes the same way) says why, and nothing waits on it.
TEST_F(DocumentFiles, OpeningAnythingButAPlainFileSaysWhyAtOnce) {
  const QString fifo = home.file("pipe.htm");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QDir().mkpath(home.file("folder.htm"));
  const struct {
    QString path;
    QString reason;
  } rows[] = {
      {fifo, "not a regular file (a FIFO)"},
      {"/dev/zero", "not a regular file (a character device)"},
      {home.file("folder.htm"), "it is a folder"},
  };
  for (const auto& row : rows) {
    prompter.errors.clear();
    DocumentWindow* d = w.openDocument(row.path);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(prompter.errors, QStringList({"Cannot open file " + row.path + ": " + row.reason}));
    EXPECT_EQ(d->document().fileName(), "UNTITLED");
  }
}

// A page whose in-place save was killed half way is finished before it is
// shown: the editor never shows the torn text.
TEST_F(DocumentFiles, AnInterruptedSaveIsFinishedBeforeThePageIsShown) {
  const QString page = home.file("page.htm");
  home.write("page.htm", "<p>old text, long enough to tear</p>\r\n");
  ASSERT_EQ(::link(QFile::encodeName(page).constData(), QFile::encodeName(home.file("other.htm")).constData()), 0);
  const int fd = ::open(QFile::encodeName(page).constData(), O_RDWR);
  ASSERT_GE(fd, 0);
  struct stat st {};
  ASSERT_EQ(::fstat(fd, &st), 0);
  {
    journal::Entry killed;
    ASSERT_EQ(killed.begin(fd, st, QFile::encodeName(page).toStdString(), "<p>new text</p>\r\n"), 0);
    ASSERT_EQ(::pwrite(fd, "<p>new", 6, 0), 6);
  }
  ::close(fd);
  DocumentWindow* d = w.openDocument(home.file("other.htm"));
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->document().editorOps().lines(), std::vector<std::string>{"<p>new text</p>"});
  EXPECT_EQ(home.read("page.htm"), "<p>new text</p>\r\n");
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

TEST_F(DocumentFiles, AChangeOnDiskOffersToReload) {
  home.write("w.htm", "first\r\n");
  DocumentWindow* d = w.openDocument(home.file("w.htm"));
  prompter.answers.push_back(Answer::Yes);
  home.write("w.htm", "second\r\n");
  // Bounded wait for the file watcher's notice and the question it leads to.
  for (int i = 0; i < 50 && prompter.messages.empty(); ++i) QTest::qWait(50);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_TRUE(prompter.messages[0].text.contains("changed by another program"));
  EXPECT_EQ(d->document().editorOps().lines(), std::vector<std::string>{"second"});
  EXPECT_FALSE(d->document().isModified());
}

TEST_F(DocumentFiles, ADeletedFileKeepsTheTextAndMarksItModified) {
  home.write("gone.htm", "text\r\n");
  DocumentWindow* d = w.openDocument(home.file("gone.htm"));
  prompter.answers.push_back(Answer::Ok);
  QFile::remove(home.file("gone.htm"));
  for (int i = 0; i < 50 && prompter.messages.empty(); ++i) QTest::qWait(50);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_TRUE(prompter.messages[0].text.contains("was deleted"));
  EXPECT_TRUE(d->document().isModified());  // so closing asks to save it again
  EXPECT_EQ(d->document().editorOps().lines(), std::vector<std::string>{"text"});
  d->save();
  EXPECT_EQ(bytesOf(home.file("gone.htm")), "text\r\n");
}

TEST_F(DocumentFiles, OwnSavesAreNotReportedAsChangesOnDisk) {
  home.write("own.htm", "a\r\n");
  DocumentWindow* d = w.openDocument(home.file("own.htm"));
  type(d, "b");
  d->save();
  QTest::qWait(400);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DocumentFiles, TimedBackupCopiesModifiedTitledDocuments) {
  home.write("b1.htm", "one\r\n");
  home.write("b2.htm", "two\r\n");
  DocumentWindow* modified = w.openDocument(home.file("b1.htm"));
  w.openDocument(home.file("b2.htm"));
  type(w.createDocument(), "untitled");
  type(modified, "X");
  commands->backupNow();
  EXPECT_EQ(bytesOf(home.file("b1.htm.bak")), "Xone\r\n");
  EXPECT_FALSE(QFile::exists(home.file("b2.htm.bak")));
  EXPECT_EQ(bytesOf(home.file("b1.htm")), "one\r\n");
  EXPECT_TRUE(modified->document().isModified());
}

TEST_F(DocumentFiles, TimedBackupWaitsTheStoredMinutes) {
  struct Row {
    const char* stored;
    int ticksToBackup;  // 0: never
  };
  for (const Row& r : {Row{"2", 2}, Row{" 3 ", 3}, Row{"+1", 1}, Row{"0", 0}, Row{"-2", 0}, Row{"x", 0}, Row{"", 0}}) {
    {
      IniSettingsStore store;
      store.write("", "Timed Backup", r.stored);
    }
    w.loadSettings();
    home.write("timed.htm", "one\r\n");
    QFile::remove(home.file("timed.htm.bak"));
    DocumentWindow* d = w.openDocument(home.file("timed.htm"));
    type(d, "X");
    int ticks = 0;
    while (!QFile::exists(home.file("timed.htm.bak")) && ticks < 5) {
      commands->backupTick();
      ++ticks;
    }
    EXPECT_EQ(QFile::exists(home.file("timed.htm.bak")) ? ticks : 0, r.ticksToBackup) << r.stored;
    d->document().setModified(false);
    frame(d)->close();
    settle();
  }
}

}  // namespace
}  // namespace markloom::test
