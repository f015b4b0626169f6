#include "ui/compress/compress_options_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace markloom {
namespace {

template <class W>
W* child(const QDialog& parent, const char* name) {
  W* w = parent.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}
QLabel* description(const QDialog& dialog) { return child<QLabel>(dialog, "StaticText1"); }
QListWidget* switchList(const QDialog& dialog) { return child<QListWidget>(dialog, "CheckList"); }
QPushButton* okButton(const QDialog& dialog) { return child<QPushButton>(dialog, "Button1"); }
QPushButton* cancelButton(const QDialog& dialog) { return child<QPushButton>(dialog, "Button2"); }

TEST(CompressOptionsDialog, StartsWithItsTextItemsAndMarks) {
  CompressOptionsDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), "HTML Document Compressor");
  EXPECT_EQ(description(dialog)->text(),
            "This tool can be used to remove un-necessary tags, line breaks, characters and special tags.  It can "
            "help to speed up download times, and make the page source more difficult to read.");
  EXPECT_EQ(description(dialog)->frameShadow(), QFrame::Sunken);
  const std::pair<QString, bool> expected[] = {
      {"Remove Extra Line Breaks", true},      {"Removal All Returns", true},
      {"Remove <center> tags", true},          {"Remove Unnecessary Spaces", true},
      {"Remove Unnecessary \" in Tags", true}, {"Remove FrontPage Web Bots", true},
      {"Convert Blockquote to Lists", false},  {"Change <b> to <strong> etc.", false}};
  ASSERT_EQ(switchList(dialog)->count(), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(switchList(dialog)->item(i)->text(), expected[i].first) << i;
    EXPECT_EQ(switchList(dialog)->item(i)->checkState() == Qt::Checked, expected[i].second) << i;
  }
  EXPECT_EQ(dialog.fields(), CompressOptions::dialogMarks());
  EXPECT_EQ(okButton(dialog)->text(), "&OK");
  EXPECT_TRUE(okButton(dialog)->isDefault());
  EXPECT_EQ(cancelButton(dialog)->text(), "&Cancel");
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
}

TEST(CompressOptionsDialog, EveryItemSetsItsOwnSwitch) {
  CompressOptionsDialog dialog;
  bool CompressOptions::*const order[] = {&CompressOptions::extraLineBreaks,  &CompressOptions::allLineBreaks,
                                          &CompressOptions::center,           &CompressOptions::spaces,
                                          &CompressOptions::quotesInTags,     &CompressOptions::webBots,
                                          &CompressOptions::blockquoteToList, &CompressOptions::shortTags};
  for (int i = 0; i < 8; ++i) {
    dialog.setFields(CompressOptions::none());
    switchList(dialog)->item(i)->setCheckState(Qt::Checked);
    CompressOptions expected = CompressOptions::none();
    expected.*order[i] = true;
    EXPECT_EQ(dialog.fields(), expected) << i;
    dialog.setFields(expected);
    EXPECT_EQ(dialog.fields(), expected) << i;
  }
}

TEST(CompressOptionsDialog, ChangedMarksAreTheSwitchesItGives) {
  CompressOptionsDialog dialog;
  switchList(dialog)->item(1)->setCheckState(Qt::Unchecked);
  switchList(dialog)->item(7)->setCheckState(Qt::Checked);
  CompressOptions expected = CompressOptions::dialogMarks();
  expected.allLineBreaks = false;
  expected.shortTags = true;
  EXPECT_EQ(dialog.fields(), expected);
}

TEST(CompressOptionsDialog, OkAcceptsAndCancelRejects) {
  for (const bool ok : {true, false}) {
    CompressOptionsDialog dialog;
    QTimer::singleShot(0, &dialog, [&] { (ok ? okButton(dialog) : cancelButton(dialog))->click(); });
    EXPECT_EQ(dialog.exec(), ok ? QDialog::Accepted : QDialog::Rejected);
  }
}

}  // namespace
}  // namespace markloom
