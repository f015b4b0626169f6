// The Find and Replace dialogs on UTF-8 and 8-bit documents: what is typed
// into them reaches the document through its codec, and what they show of the
// document comes back through it.
#include "ui/document/find_dialog.h"

#include <QComboBox>

#include "document_fixture.h"

namespace markloom::test {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

struct FindCase {
  const char* name;
  TextEncoding encoding;
  QString typed;       // what the user types into the Find box
  std::string bytes;   // the same text as the document holds it
  QString wordShown;   // the Find box opened with the caret on "caf" + bytes + "s"
  QString matchShown;  // the Find box opened with the match selected
};
std::ostream& operator<<(std::ostream& os, const FindCase& c) { return os << c.name; }

const FindCase kFindCases[] = {
    {"EAcuteInUtf8", TextEncoding::Utf8, text("\u00e9"), "\xC3\xA9", text("caf\u00e9s"), text("\u00e9")},
    // In UTF-8 text the editor takes the euro sign for punctuation, which ends
    // the word at the caret; as an 8-bit byte it is a word character.
    {"EuroInUtf8", TextEncoding::Utf8, text("\u20ac"), "\xE2\x82\xAC", text("caf"), text("\u20ac")},
    {"UUmlautInUtf8", TextEncoding::Utf8, text("\u00fc"), "\xC3\xBC", text("caf\u00fcs"), text("\u00fc")},
    {"CjkInUtf8", TextEncoding::Utf8, text("\u6f22"), "\xE6\xBC\xA2", text("caf\u6f22s"), text("\u6f22")},
    {"EAcuteInEightBit", TextEncoding::EightBit, text("\u00e9"), "\xE9", text("caf\u00e9s"), text("\u00e9")},
    {"EuroInEightBit", TextEncoding::EightBit, text("\u20ac"), "\x80", text("caf\u20acs"), text("\u20ac")},
    {"UUmlautInEightBit", TextEncoding::EightBit, text("\u00fc"), "\xFC", text("caf\u00fcs"), text("\u00fc")},
    // The document holds a character reference; its '&' ends the word at the
    // caret, and the selected match reads back as the reference.
    {"CjkInEightBit", TextEncoding::EightBit, text("\u6f22"), "&#28450;", text("caf"), text("&#28450;")},
};

class FindThroughCodec : public DocumentTest, public ::testing::WithParamInterface<FindCase> {
 protected:
  // A file whose first line (a copyright sign) makes it UTF-8 or 8-bit,
  // loaded into a window; the searched text stands in the second line after
  // "find ", and in the third inside a word.
  DocumentWindow* load(const FindCase& c) {
    const std::string marker = c.encoding == TextEncoding::Utf8 ? "\xC2\xA9" : "\xA9";
    const std::string bytes = "<p>" + marker + "</p>\r\nfind " + c.bytes + " here\r\ncaf" + c.bytes + "s\r\n";
    home.write("page.htm", QByteArray::fromStdString(bytes));
    DocumentWindow* d = w.createDocument();
    d->loadFile(home.file("page.htm"));
    return d;
  }
  FindDialog* openFind(bool replace) {
    replace ? commands->replace() : commands->find();
    FindDialog* dialog = commands->findDialog();
    EXPECT_NE(dialog, nullptr);
    return dialog;
  }
};

TEST_P(FindThroughCodec, TypedTextIsFoundAndWrittenAndTheDocumentsTextShowsDecoded) {
  const FindCase& c = GetParam();
  DocumentWindow* d = load(c);
  ASSERT_EQ(d->document().codec().encoding(), c.encoding);
  EditorOps& ops = d->document().editorOps();

  ops.setCaret({2, 1});
  FindDialog* find = openFind(false);
  ASSERT_NE(find, nullptr);
  EXPECT_EQ(find->findBox()->currentText(), c.wordShown);

  ops.setCaret({0, 0});
  find->setFindText(c.typed);
  ASSERT_TRUE(find->findNext());
  EXPECT_EQ(ops.caret().line, 1);
  EXPECT_EQ(ops.selectedText(), c.bytes);
  find->close();

  FindDialog* replace = openFind(true);
  ASSERT_NE(replace, nullptr);
  EXPECT_EQ(replace->findBox()->currentText(), c.matchShown);
  replace->setFindText(c.typed);
  replace->replaceBox()->setEditText("[" + c.typed + "]");
  prompter.answers.push_back(Prompter::Answer::Ok);  // "2 occurrence(s) replaced."
  EXPECT_EQ(replace->replaceAll(), 2);
  EXPECT_EQ(ops.line(1), "find [" + c.bytes + "] here");
  EXPECT_EQ(ops.line(2), "caf[" + c.bytes + "]s");
  EXPECT_TRUE(prompter.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, FindThroughCodec, ::testing::ValuesIn(kFindCases),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace markloom::test
