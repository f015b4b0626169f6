#include "ui/compress/compress_options_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace markloom {
namespace {

TEST(CompressDialog, StartsWithItsTextItemsAndMarks) {
  CompressOptionsDialog form;
  EXPECT_EQ(form.windowTitle(), "HTML Document Compressor");
  EXPECT_EQ(form.StaticText1->text(),
            "This tool can be used to remove un-necessary tags, line breaks, characters and special tags.  It can "
            "help to speed up download times, and make the page source more difficult to read.");
  EXPECT_EQ(form.StaticText1->frameShadow(), QFrame::Sunken);
  const std::pair<QString, bool> expected[] = {
      {"Remove Extra Line Breaks", true},       {"Removal All Returns", true},
      {"Remove <center> tags", true},           {"Remove Unnecessary Spaces", true},
      {"Remove Unnecessary \" in Tags", true},  {"Remove FrontPage Web Bots", true},
      {"Convert Blockquote to Lists", false},   {"Change <b> to <strong> etc.", false}};
  ASSERT_EQ(form.CheckList->count(), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(form.CheckList->item(i)->text(), expected[i].first) << i;
    EXPECT_EQ(form.CheckList->item(i)->checkState() == Qt::Checked, expected[i].second) << i;
  }
  EXPECT_EQ(form.fields(), CompressOptions::dialogMarks());
  EXPECT_EQ(form.Button1->text(), "&OK");
  EXPECT_TRUE(form.Button1->isDefault());
  EXPECT_EQ(form.Button2->text(), "&Cancel");
  EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST(CompressDialog, EveryItemSetsItsOwnSwitch) {
  CompressOptionsDialog form;
  bool CompressOptions::*const order[] = {&CompressOptions::Returns,   &CompressOptions::AllReturns,
                                          &CompressOptions::Center,    &CompressOptions::Spaces,
                                          &CompressOptions::InvCommas, &CompressOptions::Webbots,
                                          &CompressOptions::BlockquoteToUl, &CompressOptions::SimpleTags};
  for (int i = 0; i < 8; ++i) {
    form.setFields(CompressOptions::none());
    form.CheckList->item(i)->setCheckState(Qt::Checked);
    CompressOptions expected = CompressOptions::none();
    expected.*order[i] = true;
    EXPECT_EQ(form.fields(), expected) << i;
    form.setFields(expected);
    EXPECT_EQ(form.fields(), expected) << i;
  }
}

TEST(CompressDialog, SetUpCleanCopiesTheMarksToTheCompressor) {
  CompressOptionsDialog form;
  EXPECT_EQ(form.HTMLCompressor.options(), CompressOptions{});  // creation values until then
  form.CheckList->item(1)->setCheckState(Qt::Unchecked);
  form.CheckList->item(7)->setCheckState(Qt::Checked);
  form.SetUpClean();
  CompressOptions expected = CompressOptions::dialogMarks();
  expected.AllReturns = false;
  expected.SimpleTags = true;
  EXPECT_EQ(form.HTMLCompressor.options(), expected);
}

TEST(CompressDialog, OkAcceptsAndCancelRejects) {
  for (const bool ok : {true, false}) {
    CompressOptionsDialog form;
    QTimer::singleShot(0, &form, [&] { (ok ? form.Button1 : form.Button2)->click(); });
    EXPECT_EQ(form.exec(), ok ? QDialog::Accepted : QDialog::Rejected);
  }
}

}  // namespace
}  // namespace markloom
