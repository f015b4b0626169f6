// Text typed into the markup entry points reaches the document in the
// document's own encoding: UTF-8 in a UTF-8 page; Windows-1252 in an 8-bit
// page, with a numeric character reference for a character it cannot hold.
// One table of characters drives every entry point, in both kinds of
// document, and the way back: the document's bytes of a selection read as
// the same text, and a tag wrapped around the selection leaves its bytes alone.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QToolButton>
#include <string>
#include <vector>

#include "core/common/command_ids.h"
#include "core/document/editor_ops.h"
#include "core/text/text_codec.h"
#include "support/dialog_driver.h"
#include "support/scripted_prompter.h"
#include "support/tag_dialog_host.h"
#include "support/temp_home.h"
#include "ui/common/dialog_kit.h"
#include "ui/document/document.h"

namespace markloom::test {
namespace {

using dialogkit::fromUtf8;

enum class Entry { ImageSource, FontBox, TagBox };

struct Character {
  const char* name;
  std::string utf8;
  std::string eightBit;  // as an 8-bit document holds it
};

// "é" and "ü" are in Latin-1 and Windows-1252, "€" only in Windows-1252,
// "漢" in neither.
const Character kCharacters[] = {
    {"EAcute", "\xC3\xA9", "\xE9"},
    {"Euro", "\xE2\x82\xAC", "\x80"},
    {"UUmlaut", "\xC3\xBC", "\xFC"},
    {"Kanji", "\xE6\xBC\xA2", "&#28450;"},
};

struct EntryCase {
  std::string name;
  TextEncoding encoding;
  Entry entry;
  std::string typed;     // UTF-8
  std::string expected;  // the bytes that reach the document
};
void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

// What each entry point writes around the typed text.
std::string around(Entry entry, const std::string& text) {
  switch (entry) {
    case Entry::ImageSource: return "<img src=\"" + text + "\" border=\"0\">";
    case Entry::FontBox: return "<font face=\"" + text + "\"></font>";
    case Entry::TagBox: return text;
  }
  return {};
}

std::vector<EntryCase> entryCases() {
  const std::pair<const char*, Entry> entries[] = {
      {"ImageSource", Entry::ImageSource}, {"FontBox", Entry::FontBox}, {"TagBox", Entry::TagBox}};
  std::vector<EntryCase> cases;
  for (const auto& [entryName, entry] : entries) {
    for (const Character& c : kCharacters) {
      cases.push_back(
          {std::string("Utf8") + entryName + c.name, TextEncoding::Utf8, entry, c.utf8, around(entry, c.utf8)});
      cases.push_back({std::string("EightBit") + entryName + c.name, TextEncoding::EightBit, entry, c.utf8,
                       around(entry, c.eightBit)});
    }
  }
  return cases;
}

// A document holding "ò", UTF-8 or 8-bit by its bytes (the one Windows-1252
// byte of "ò" is not UTF-8).
std::string startBytes(TextEncoding encoding) { return encoding == TextEncoding::Utf8 ? "\xC3\xB2" : "\xF2"; }

class CodecEntry : public ::testing::Test {
 protected:
  void open(TextEncoding encoding) {
    host.first.loadBytes(startBytes(encoding));
    ASSERT_EQ(host.first.document().codec().encoding(), encoding);
    host.first.ops().setCaret({0, 0});
  }
  void type(Entry entry, const QString& text) {
    switch (entry) {
      case Entry::ImageSource:
        whenModal("ImageForm", [text](QDialog* form) {
          fill(form, "EditSrc", text);
          click(form, "OKButton");
        });
        host.action(ids::kInsertImage)->trigger();
        return;
      case Entry::FontBox: {
        auto* box = host.findChild<QComboBox*>(fromUtf8(ids::kFontFaceBox));
        ASSERT_NE(box, nullptr);
        box->addItem(text);  // a face of that name, as an installed font could have
        box->setCurrentText(text);
        return;
      }
      case Entry::TagBox: {
        auto* box = host.findChild<QComboBox*>(fromUtf8(ids::kColdFusionTagBox));
        auto* plus = host.findChild<QToolButton*>(fromUtf8(ids::kInsertColdFusionTag));
        ASSERT_TRUE(box && plus);
        box->setEditText(text);
        plus->click();
        return;
      }
    }
  }

  TempHome home;
  ScriptedPrompter prompter;
  TagDialogHost host;
  ModalWatchdog watchdog;
};

class CodecEntryPoint : public CodecEntry, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(CodecEntryPoint, TypedTextReachesTheDocumentInItsEncoding) {
  const EntryCase& c = GetParam();
  open(c.encoding);
  type(c.entry, fromUtf8(c.typed));
  EXPECT_EQ(host.first.bytes(), c.expected + startBytes(c.encoding));
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, CodecEntryPoint, ::testing::ValuesIn(entryCases()),
                         [](const auto& row) { return row.param.name; });

struct SelectionCase {
  std::string name;
  TextEncoding encoding;
  std::string bytes;  // the selected bytes in the document
  std::string shown;  // UTF-8: what a field taking the selection shows
};
void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.name; }

std::vector<SelectionCase> selectionCases() {
  std::vector<SelectionCase> cases;
  for (const Character& c : kCharacters) {
    cases.push_back({std::string("Utf8") + c.name, TextEncoding::Utf8, c.utf8, c.utf8});
    // A reference stays a reference: it was never the character's own byte.
    cases.push_back({std::string("EightBit") + c.name, TextEncoding::EightBit, c.eightBit,
                     c.eightBit == "&#28450;" ? c.eightBit : c.utf8});
  }
  return cases;
}

class CodecSelection : public CodecEntry, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(CodecSelection, SelectedBytesReadAsTheTextAndStayUnderAWrap) {
  const SelectionCase& c = GetParam();
  open(c.encoding);
  EditorOps& ops = host.first.ops();
  ops.setCaret({0, 0});
  ops.insertAtCaret(c.bytes);
  ops.select({0, 0}, {0, static_cast<int>(c.bytes.size())});
  EXPECT_EQ(host.first.document().decode(ops.selectedText()), fromUtf8(c.shown));
  whenModal("LinkForm", [](QDialog* form) {
    fill(form, "EditLink", "x.htm");
    click(form, "OKButton");
  });
  host.action(ids::kInsertHyperlink)->trigger();
  EXPECT_EQ(host.first.bytes(), "<a href=\"x.htm\">" + c.bytes + "</A>" + startBytes(c.encoding));
}

INSTANTIATE_TEST_SUITE_P(Table, CodecSelection, ::testing::ValuesIn(selectionCases()),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace markloom::test
