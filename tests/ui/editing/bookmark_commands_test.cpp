// Search > Bookmarks on the active document: numbered markers in the gutter
// that follow their line, one line per number, per document.
#include "ui/editing/bookmark_commands.h"

#include <gtest/gtest.h>

#include <QAction>

#include "core/common/command_ids.h"
#include "document_fixture.h"

namespace markloom::test {
namespace {

class Bookmarks : public DocumentTest {
 protected:
  void trigger(std::string_view id) { w.action(id)->trigger(); }
  static int markersOn(DocumentWindow* d, int line) {
    return static_cast<int>(d->editor()->SendScintilla(QsciScintillaBase::SCI_MARKERGET, line));
  }
  static TextPosition caret(DocumentWindow* d) { return d->document().editorOps().caret(); }
};

TEST_F(Bookmarks, SetMovesGoToFollowsTheLineAndUnsetNumbersChangeNothing) {
  DocumentWindow* d = w.createDocument();
  EditorOps& ops = d->document().editorOps();
  ops.setLines({"zero", "one", "two", "three", "four", "five"});

  ops.setCaret({2, 3});
  trigger(ids::kSetBookmark[3]);
  EXPECT_EQ(markersOn(d, 2), 1 << 3);
  // The gutter shows the number itself.
  MarkloomEditor& editor = *d->editor();
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_MARKERSYMBOLDEFINED, 3),
            QsciScintillaBase::SC_MARK_CHARACTER + '3');
  EXPECT_NE(editor.SendScintilla(QsciScintillaBase::SCI_GETMARGINMASKN, 1) & (1 << 3), 0);

  // The marker follows its line when text is inserted above it.
  ops.setCaret({0, 0});
  ops.insertLinesAtCaret({"new"});
  ops.setCaret({0, 2});
  trigger(ids::kGoToBookmark[3]);
  EXPECT_EQ(caret(d), (TextPosition{3, 0}));
  EXPECT_EQ(ops.line(3), "two");

  // Setting the number again moves it: one line holds it.
  ops.setCaret({5, 0});
  trigger(ids::kSetBookmark[3]);
  EXPECT_EQ(markersOn(d, 3), 0);
  EXPECT_EQ(markersOn(d, 5), 1 << 3);
  ops.setCaret({0, 0});
  trigger(ids::kGoToBookmark[3]);
  EXPECT_EQ(caret(d), (TextPosition{5, 0}));

  // Two numbers on one line live side by side.
  trigger(ids::kSetBookmark[0]);
  EXPECT_EQ(markersOn(d, 5), (1 << 3) | 1);

  // A number never set: the caret stays, the status bar says why.
  ops.setCaret({1, 1});
  trigger(ids::kGoToBookmark[7]);
  EXPECT_EQ(caret(d), (TextPosition{1, 1}));
  EXPECT_EQ(w.statusText(2), "Bookmark 7 is not set");

  // Bookmarks belong to their document.
  DocumentWindow* other = w.createDocument();
  ASSERT_EQ(w.activeDocument(), other);
  other->document().editorOps().setLines({"a", "b"});
  other->document().editorOps().setCaret({1, 0});
  trigger(ids::kGoToBookmark[3]);
  EXPECT_EQ(caret(other), (TextPosition{1, 0}));
  EXPECT_EQ(w.statusText(2), "Bookmark 3 is not set");
}

TEST_F(Bookmarks, WithNoDocumentNothingHappens) {
  trigger(ids::kSetBookmark[1]);
  trigger(ids::kGoToBookmark[1]);
  EXPECT_EQ(w.statusText(2), "Ready");
}

}  // namespace
}  // namespace markloom::test
