// What assistive tools read from the document editor: offsets in UTF-16 units
// through the line index, the text, caret, selection and line units, and the
// change reports that follow whether a tool listens.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "platform/editor/editor_accessible.h"
#include "platform/editor/markloom_editor.h"

namespace markloom {
namespace {

using Sci = QsciScintillaBase;

// Two-byte, three-byte and four-byte (two UTF-16 units) characters on
// several lines, so offsets past the first line go through the line index.
const std::string kMixed = "plain\r\ncaf\xC3\xA9 \xE2\x82\xAC 5\r\n\xF0\x9F\x98\x80 smile\r\n\r\nlast \xF0\x9F\x98\x80";

class EditorAccess : public ::testing::Test {
 protected:
  void SetUp() override {
    editor.resize(500, 300);
    editor.show();
    editor.loadBytes(kMixed);
    iface = QAccessible::queryAccessibleInterface(&editor);
    ASSERT_NE(iface, nullptr);
    text = iface->textInterface();
    ASSERT_NE(text, nullptr);
  }
  // Offset of each character start, as QString counts it.
  std::vector<std::pair<long, long>> boundaries(const std::string& bytes) const {
    std::vector<std::pair<long, long>> out;
    for (std::size_t at = 0; at <= bytes.size(); ++at) {
      if (at < bytes.size() && (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80) continue;
      out.emplace_back(static_cast<long>(at), static_cast<long>(QString::fromUtf8(bytes.data(), at).size()));
    }
    return out;
  }
  MarkloomEditor editor;
  QAccessibleInterface* iface = nullptr;
  QAccessibleTextInterface* text = nullptr;
};

TEST_F(EditorAccess, TheEditorsOwnInterfaceAnswers) {
  EXPECT_NE(dynamic_cast<EditorAccessible*>(iface), nullptr);
  EXPECT_EQ(iface->role(), QAccessible::EditableText);
  EXPECT_TRUE(iface->state().multiLine);
  EXPECT_TRUE(iface->state().editable);
}

TEST_F(EditorAccess, OffsetsAndPositionsMapBothWaysAtEveryCharacter) {
  ASSERT_TRUE(editor.SendScintilla(Sci::SCI_GETLINECHARACTERINDEX) & Sci::SC_LINECHARACTERINDEX_UTF16);
  for (const auto& [position, offset] : boundaries(kMixed)) {
    EXPECT_EQ(EditorAccessible::offsetOf(&editor, position), offset) << "position " << position;
    EXPECT_EQ(EditorAccessible::positionOf(&editor, offset), position) << "offset " << offset;
  }
  const QString whole = QString::fromUtf8(kMixed);
  EXPECT_EQ(text->characterCount(), whole.size());
  EXPECT_EQ(EditorAccessible::positionOf(&editor, whole.size() + 10), static_cast<long>(kMixed.size()));
  EXPECT_EQ(EditorAccessible::positionOf(&editor, -3), 0);
}

TEST_F(EditorAccess, EightBitTextCountsOneUnitPerByte) {
  const std::string latin = "caf\xE9\r\nna\xEFve";  // not UTF-8
  editor.loadBytes(latin);
  ASSERT_FALSE(editor.isUtf8Text());
  EXPECT_EQ(text->characterCount(), static_cast<int>(latin.size()));
  EXPECT_EQ(text->text(6, 11), QString::fromLatin1("na\xEFve"));
}

TEST_F(EditorAccess, TextCaretAndSelectionUseTheSameUnits) {
  const QString whole = QString::fromUtf8(kMixed);
  EXPECT_EQ(text->text(0, text->characterCount()), whole);
  EXPECT_EQ(text->text(7, 14), whole.mid(7, 7));

  const int smile = static_cast<int>(whole.indexOf(QString::fromUtf8("\xF0\x9F\x98\x80")));
  text->setCursorPosition(smile + 2);  // past the pair
  EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETCURRENTPOS), static_cast<long>(kMixed.find("\xF0\x9F\x98\x80") + 4));
  EXPECT_EQ(text->cursorPosition(), smile + 2);

  EXPECT_EQ(text->selectionCount(), 0);
  text->setSelection(0, 7, 11);
  EXPECT_EQ(text->selectionCount(), 1);
  int from = -1, to = -1;
  text->selection(0, &from, &to);
  EXPECT_EQ(from, 7);
  EXPECT_EQ(to, 11);
  EXPECT_EQ(QString::fromStdString(editor.selectedBytes()), QString::fromUtf8("caf\xC3\xA9"));
  text->removeSelection(0);
  EXPECT_EQ(text->selectionCount(), 0);
}

TEST_F(EditorAccess, LinesAndCharactersAreAnsweredAroundTheOffset) {
  const QString whole = QString::fromUtf8(kMixed);
  const int second = static_cast<int>(whole.indexOf("caf"));
  const int third = static_cast<int>(whole.indexOf(QString::fromUtf8("\xF0\x9F\x98\x80")));
  struct Case {
    const char* name;
    int offset;
    QAccessible::TextBoundaryType boundary;
    int which;  // -1 before, 0 at, 1 after
    QString expected;
    int start;
  } cases[] = {
      {"line at", second + 2, QAccessible::LineBoundary, 0, QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC 5\r\n"),
       second},
      {"line before", second + 2, QAccessible::LineBoundary, -1, "plain\r\n", 0},
      {"line after", second + 2, QAccessible::LineBoundary, 1, QString::fromUtf8("\xF0\x9F\x98\x80 smile\r\n"), third},
      {"no line before the first", 2, QAccessible::LineBoundary, -1, "", 0},
      {"pair at", third, QAccessible::CharBoundary, 0, QString::fromUtf8("\xF0\x9F\x98\x80"), third},
      {"char after the pair", third, QAccessible::CharBoundary, 1, " ", third + 2},
      {"line end is one unit", second - 2, QAccessible::CharBoundary, 0, "\r\n", second - 2},
  };
  for (const auto& c : cases) {
    int start = -1, end = -1;
    const QString got = c.which < 0   ? text->textBeforeOffset(c.offset, c.boundary, &start, &end)
                        : c.which > 0 ? text->textAfterOffset(c.offset, c.boundary, &start, &end)
                                      : text->textAtOffset(c.offset, c.boundary, &start, &end);
    EXPECT_EQ(got, c.expected) << c.name;
    EXPECT_EQ(start, c.start) << c.name;
    EXPECT_EQ(end, c.start + c.expected.size()) << c.name;
  }
  // A unit inside a surrogate pair belongs to the pair's character.
  EXPECT_EQ(EditorAccessible::positionOf(&editor, third + 1), static_cast<long>(kMixed.find("\xF0\x9F\x98\x80")));
  int start = -1, end = -1;
  EXPECT_EQ(text->textAfterOffset(text->characterCount() - 1, QAccessible::LineBoundary, &start, &end), QString());
}

// The component counts characters from the start of the text for every
// reported insertion; reports are asked for only while a tool listens.
TEST_F(EditorAccess, ChangeReportsFollowWhetherAToolListens) {
  constexpr long kTextChanges = Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT;
  ASSERT_FALSE(QAccessible::isActive());
  EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETMODEVENTMASK) & kTextChanges, 0);
  MarkloomEditor other;  // every editor follows, not only the first
  QAccessible::setActive(true);
  EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETMODEVENTMASK) & kTextChanges, kTextChanges);
  EXPECT_EQ(other.SendScintilla(Sci::SCI_GETMODEVENTMASK) & kTextChanges, kTextChanges);
  QAccessible::setActive(false);
  EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETMODEVENTMASK) & kTextChanges, 0);
  // The line index the offsets rely on stays whichever way it went.
  EXPECT_TRUE(editor.SendScintilla(Sci::SCI_GETLINECHARACTERINDEX) & Sci::SC_LINECHARACTERINDEX_UTF16);
}

TEST_F(EditorAccess, LineCountChangesAreToldWithoutChangeReports) {
  QSignalSpy lines(&editor, &MarkloomEditor::lineCountChanged);
  editor.setFocus();
  QTest::keyClick(&editor, Qt::Key_A);
  editor.viewport()->repaint();
  QCoreApplication::processEvents();
  const auto before = lines.count();
  QTest::keyClick(&editor, Qt::Key_Return);
  editor.viewport()->repaint();
  QCoreApplication::processEvents();
  EXPECT_EQ(lines.count(), before + 1);
}

}  // namespace
}  // namespace markloom
