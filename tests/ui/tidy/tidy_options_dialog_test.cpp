// "Tidyrig Configuration": start values, fields both ways, OK and Cancel.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "ui/tidy/tidy_options_dialog.h"

namespace markloom {
namespace {

TEST(TidyOptionsDialog, StartsWithTheDialogsValues) {
  TidyOptionsDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), "Tidyrig Configuration");
  EXPECT_EQ(dialog.objectName(), "TidyForm");
  EXPECT_EQ(dialog.fields(), TidyOptions{});
  auto* list = dialog.findChild<QListWidget*>("CheckList");
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 17);
  EXPECT_EQ(list->item(12)->text(), "Convert Document to CSS");
  EXPECT_EQ(list->item(12)->checkState(), Qt::Checked);
  EXPECT_EQ(list->item(2)->checkState(), Qt::Unchecked);
  EXPECT_EQ(dialog.findChild<QComboBox*>("EditOutput")->count(), 3);
  EXPECT_EQ(dialog.findChild<QComboBox*>("EditDoc")->itemText(3), "OMIT");
  EXPECT_EQ(dialog.findChild<QLineEdit*>("EditAlt")->text(), "Image");
  EXPECT_TRUE(dialog.findChild<QRadioButton*>("Encoding0")->isChecked());
  EXPECT_EQ(dialog.findChild<QRadioButton*>("Encoding4")->text(), "ISO2202");
}

TEST(TidyOptionsDialog, FieldsComeBackAsSet) {
  TidyOptions o;
  o.output = "xhtml";
  o.doctype = "strict";
  o.wrap = "0";
  o.indent = "two";
  o.altText = "";
  o.encoding = TidyEncoding::Utf8;
  o.checks.fill(false);
  o.checks[16] = true;
  TidyOptionsDialog dialog;
  dialog.setFields(o);
  EXPECT_EQ(dialog.fields(), o);
  o.encoding.reset();  // no radio button selected
  dialog.setFields(o);
  EXPECT_EQ(dialog.fields(), o);
}

TEST(TidyOptionsDialog, EveryRadioButtonIsOneEncoding) {
  TidyOptionsDialog dialog;
  for (int i = 0; i < 5; ++i) {
    dialog.findChild<QRadioButton*>(QString("Encoding%1").arg(i))->click();
    EXPECT_EQ(dialog.fields().encoding, static_cast<TidyEncoding>(i));
  }
}

TEST(TidyOptionsDialog, OkAcceptsAndCancelRejects) {
  for (const char* button : {"Button1", "Button2"}) {
    TidyOptionsDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog, button] { dialog.findChild<QPushButton*>(button)->click(); });
    EXPECT_EQ(dialog.exec(), QString(button) == "Button1" ? QDialog::Accepted : QDialog::Rejected) << button;
  }
}

}  // namespace
}  // namespace markloom
