// Creation, captions, the close query and Close All.
#include <QAction>
#include <QComboBox>
#include <QToolBar>

#include "core/common/command_ids.h"
#include "core/document/new_page.h"
#include "document_fixture.h"

namespace markloom::test {
namespace {

using Answer = Prompter::Answer;

class DocumentLifecycle : public DocumentTest {};

TEST_F(DocumentLifecycle, CaptionsCountEveryWindowEverCreated) {
  DocumentWindow* first = w.createDocument();
  w.createDocument();
  EXPECT_EQ(captions(), QStringList({"Document1", "Document2"}));
  ASSERT_TRUE(frame(first)->close());  // unmodified: no question
  settle();
  w.createDocument();
  EXPECT_EQ(captions(), QStringList({"Document2", "Document3"}));
  EXPECT_EQ(w.documentsCreated(), 3);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DocumentLifecycle, NewWindowHoldsTheNewPageUntitledAndClean) {
  DocumentWindow* d = w.createDocument();
  EXPECT_EQ(d->document().fileName(), "UNTITLED");
  EXPECT_FALSE(d->document().isModified());
  EXPECT_EQ(d->document().editorOps().lines(), newPageLines());
  EXPECT_EQ(d->document().editorOps().line(4), "        <title>Untitled</title>");
  EXPECT_EQ(d->editor()->bytes(), newPageText());  // CR LF line ends
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

// In a main window of its first size, the WML Preview button is on the bar,
// not in its overflow.
TEST_F(DocumentLifecycle, WmlPreviewIsInReachAtTheDefaultWindowSize) {
  DocumentWindow* d = w.createDocument();
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  ASSERT_EQ(w.size(), QSize(688, 540));
  QToolBar* bar = d->optionsBar();
  QAction* wml = bar->findChild<QAction*>(QString::fromUtf8(ids::kWmlPreview));
  ASSERT_NE(wml, nullptr);
  QWidget* button = bar->widgetForAction(wml);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->isVisible());
  EXPECT_TRUE(bar->rect().contains(button->geometry())) << "the button lies beyond the bar's edge";
}

TEST_F(DocumentLifecycle, OptionsToolbarStartsInItsFixedStates) {
  DocumentWindow* d = w.createDocument();
  QToolBar* bar = d->optionsBar();
  auto item = [&](std::string_view id) { return bar->findChild<QAction*>(QString::fromUtf8(id)); };
  struct Row {
    std::string_view id;
    const char* caption;
    bool checked, enabled;
  };
  for (const Row& r :
       {Row{ids::kLineNumbersToggle, "Line Numbers", false, true}, Row{ids::kGutterToggle, "Gutter", true, true},
        Row{ids::kFullScreenToggle, "Full Screen", false, false}, Row{ids::kWordWrapToggle, "Word Wrap", true, true},
        Row{ids::kSplitScreenToggle, "Split Screen", false, false},
        Row{ids::kSpecialCharactersToggle, "Special Characters", false, true}}) {
    QAction* a = item(r.id);
    ASSERT_NE(a, nullptr) << r.id;
    EXPECT_EQ(a->text(), r.caption);
    EXPECT_EQ(a->isChecked(), r.checked) << r.id;
    EXPECT_EQ(a->isEnabled(), r.enabled) << r.id;
  }
  ASSERT_NE(item(ids::kWmlPreview), nullptr);
  EXPECT_FALSE(item(ids::kWmlPreview)->isCheckable());
  EXPECT_EQ(d->highlighterBox()->currentText(), "Default");
  EXPECT_EQ(d->highlighterBox()->width(), 142);
  // The toggles drive the editor.
  item(ids::kWordWrapToggle)->trigger();
  EXPECT_EQ(d->editor()->wrapMode(), QsciScintilla::WrapNone);
  item(ids::kLineNumbersToggle)->trigger();
  EXPECT_TRUE(d->editor()->marginLineNumbers(0));
  item(ids::kSpecialCharactersToggle)->trigger();
  EXPECT_TRUE(d->editor()->specialSymbols());
}

TEST_F(DocumentLifecycle, CloseAsksOnlyAfterAnEdit) {
  DocumentWindow* clean = w.createDocument();
  ASSERT_TRUE(frame(clean)->close());
  EXPECT_TRUE(prompter.messages.empty());

  DocumentWindow* edited = w.createDocument();
  type(edited, "x");
  EXPECT_TRUE(edited->document().isModified());
  prompter.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(frame(edited)->close());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Save changes to UNTITLED?");
  EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::YesNoCancel);
  EXPECT_TRUE(edited->document().isModified());

  prompter.answers.push_back(Answer::No);
  EXPECT_TRUE(frame(edited)->close());
  settle();
  EXPECT_TRUE(w.documents().isEmpty());
  EXPECT_TRUE(w.windowList().isEmpty());
}

TEST_F(DocumentLifecycle, CloseAllWithCancelOnTheSecondKeepsOnlyThatOne) {
  for (int i = 0; i < 3; ++i) type(w.createDocument(), "edit");
  prompter.answers = {Answer::No, Answer::Cancel, Answer::No};
  commands->closeAllDocuments();
  settle();
  EXPECT_EQ(prompter.messages.size(), 3u);
  EXPECT_EQ(captions(), QStringList({"Document2 *"}));  // the kept one is still modified
  ASSERT_EQ(w.windowList().size(), 1);
  EXPECT_EQ(w.windowList()[0].first, "Document2");
}

TEST_F(DocumentLifecycle, CloseQueryYesSavesAndAFailedSaveKeepsTheWindow) {
  DocumentWindow* d = w.createDocument();
  type(d, "kept");
  // Yes, then Cancel in the save dialog: nothing saved, so the window stays.
  prompter.answers.push_back(Answer::Yes);
  prompter.fileNames.push_back("");
  EXPECT_FALSE(frame(d)->close());
  EXPECT_TRUE(d->document().isModified());
  // Yes with a name that can be written: saved and closed.
  prompter.answers.push_back(Answer::Yes);
  prompter.fileNames.push_back(home.file("saved.htm"));
  EXPECT_TRUE(frame(d)->close());
  settle();
  EXPECT_TRUE(w.documents().isEmpty());
  EXPECT_NE(bytesOf(home.file("saved.htm")).find("kept"), std::string::npos);
}

TEST_F(DocumentLifecycle, WmlPreviewWritesTheSelectedCardOrAsksForOne) {
  DocumentWindow* d = w.createDocument();
  QAction* wml = d->optionsBar()->findChild<QAction*>(QString::fromUtf8(ids::kWmlPreview));
  prompter.answers.push_back(Answer::Ok);
  wml->trigger();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Please select a WML card.  For example \neverything between <card> and </card> \nincluding these tags.");
  EXPECT_FALSE(QFile::exists(home.file("waptmp.tmp")));

  d->document().editorOps().setLines({"<wml>", "<card id=\"a\">hi</card>", "</wml>"});
  d->document().editorOps().select({1, 0}, {2, 0});
  wml->trigger();
  EXPECT_EQ(bytesOf(home.file("waptmp.tmp")), "<card id=\"a\">hi</card>\r\n");
  d->document().editorOps().select({1, 0}, {1, 5});
  wml->trigger();
  EXPECT_EQ(bytesOf(home.file("waptmp.tmp")), "<card");
}

}  // namespace
}  // namespace markloom::test
