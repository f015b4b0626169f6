// The spell checker's dialog on its own: what it shows of a finding and what
// it gives back.
#include "ui/spell/spell_check_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace markloom {
namespace {

TEST(SpellCheckDialog, ReturnsTheChosenActionAndText) {
  SpellCheckDialog dialog(TextCodec(TextEncoding::Utf8));
  SpellIssue issue{SpellIssue::Kind::Misspelled, 0, 3, "teh", {"the", "ten"}};
  dialog.present(issue, "teh cat");
  EXPECT_EQ(dialog.findChild<QLineEdit*>("ChangeTo")->text(), "the");
  dialog.findChild<QPushButton*>("ChangeAll")->click();
  EXPECT_EQ(dialog.decision().action, SpellDecision::Action::ChangeAll);
  EXPECT_EQ(dialog.decision().replacement, "the");
  dialog.present({SpellIssue::Kind::DoubledSpace, 3, 2, "  ", {" "}}, "a  b");
  EXPECT_FALSE(dialog.findChild<QPushButton*>("Add")->isEnabled());
  dialog.findChild<QPushButton*>("Ignore")->click();
  EXPECT_EQ(dialog.decision().action, SpellDecision::Action::Ignore);
}

// The spell-check dialog shows the document's words and writes the chosen
// replacement back through the document's codec.
struct SpellTextCase {
  const char* name;
  TextEncoding encoding;
  std::string word;     // as the document holds it
  const char* shown;    // UTF-8
  const char* typed;    // UTF-8, typed into "Change To"
  std::string written;  // as the document gets it
};
std::ostream& operator<<(std::ostream& os, const SpellTextCase& c) { return os << c.name; }

class SpellDialogText : public ::testing::TestWithParam<SpellTextCase> {};

TEST_P(SpellDialogText, ShowsAndWritesThroughTheCodec) {
  const SpellTextCase& c = GetParam();
  SpellCheckDialog dialog{TextCodec(c.encoding)};
  dialog.present({SpellIssue::Kind::Misspelled, 0, c.word.size(), c.word, {c.word}}, c.word + " x");
  EXPECT_EQ(dialog.findChild<QLineEdit*>("ChangeTo")->text(), QString::fromUtf8(c.shown));
  EXPECT_EQ(dialog.findChild<QListWidget*>("Suggestions")->item(0)->text(), QString::fromUtf8(c.shown));
  dialog.findChild<QLineEdit*>("ChangeTo")->setText(QString::fromUtf8(c.typed));
  dialog.findChild<QPushButton*>("Change")->click();
  EXPECT_EQ(dialog.decision().replacement, c.written);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpellDialogText,
                         ::testing::Values(SpellTextCase{"Utf8", TextEncoding::Utf8, "caf\xC3\xA9", "caf\u00e9",
                                                         "\u20ac\u6f22", "\xE2\x82\xAC\xE6\xBC\xA2"},
                                           SpellTextCase{"EightBit", TextEncoding::EightBit, "caf\xE9", "caf\u00e9",
                                                         "\u20ac\u00fc", "\x80\xFC"},
                                           SpellTextCase{"EightBitWithoutTheCharacter", TextEncoding::EightBit,
                                                         "\x93q\x94", "\u201cq\u201d", "\u6f22", "&#28450;"}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace markloom
