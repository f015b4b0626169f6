// The image, hyperlink, rollover and layer dialogs on their own; the image dialog's captions and initial values, the
// fields round trip, Browse with the picture's natural size, and an unreadable picture.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "support/scripted_prompter.h"
#include "support/temp_home.h"
#include "ui/markup/dialogs/hyperlink_dialog.h"
#include "ui/markup/dialogs/image_dialog.h"
#include "ui/markup/dialogs/layer_dialog.h"
#include "ui/markup/dialogs/rollover_dialog.h"

namespace markloom::test {
namespace {

using tags::ImageFields;
using tags::LayerFields;
using tags::LinkFields;
using tags::RolloverFields;

// The label whose text is caption, and the field its accelerator focuses.
QWidget* buddyOf(QWidget& form, const QString& caption) {
  for (QLabel* l : form.findChildren<QLabel*>()) {
    if (l->text() == caption) return l->buddy();
  }
  return nullptr;
}

TEST(ImageDialogTest, CaptionLabelsAndInitialValues) {
  ImageDialog form;
  EXPECT_EQ(form.windowTitle(), "Insert Image");
  const std::pair<const char*, const char*> labels[] = {
      {"&Picture:", "EditSrc"},
      {"&Height:", "EditHeight"},
      {"&Width:", "EditWidth"},
      {"&Alternative Text:", "EditAltText"},
      {"Alternative &Low-Res Image:", "EditLowRes"},
      {"&Style:", "EditStyle"},
      {"Ali&gn:", "EditAlign"},
      {"&Name:", "EditName"},
  };
  for (const auto& [caption, field] : labels) {
    QWidget* buddy = buddyOf(form, caption);
    ASSERT_NE(buddy, nullptr) << caption;
    EXPECT_EQ(buddy->objectName(), field) << caption;
  }
  ASSERT_NE(buddyOf(form, "&Border:"), nullptr);
  EXPECT_EQ(buddyOf(form, "&Border:")->focusProxy()->objectName(), "EditBorder");
  EXPECT_EQ(form.fields(), ImageFields{});
  EXPECT_EQ(form.findChild<QLineEdit*>("EditBorder")->text(), "0");
  auto* align = form.findChild<QComboBox*>("EditAlign");
  QStringList items;
  for (int i = 0; i < align->count(); ++i) items << align->itemText(i);
  EXPECT_EQ(items, (QStringList{"left", "right", "top", "bottom", "middle", "baseline"}));
  EXPECT_EQ(form.findChild<QPushButton*>("Button3")->text(), "&Browse");
  EXPECT_TRUE(form.findChild<QPushButton*>("OKButton")->isDefault());
  EXPECT_EQ(form.findChild<QLabel*>("Image1")->size(), QSize(185, 185));
}

TEST(ImageDialogTest, FieldsRoundTrip) {
  ImageDialog form;
  ImageFields f;
  f.picture = "p.jpg";
  f.height = "1";
  f.width = "2";
  f.altText = "alt";
  f.lowRes = "lo";
  f.style = "s";
  f.border = "";
  f.align = "custom";
  f.name = "n";
  form.setFields(f);
  EXPECT_EQ(form.fields(), f);
}

TEST(ImageDialogTest, BrowseShowsThePictureAndTakesItsSize) {
  TempHome home(false);
  ScriptedPrompter prompter;
  QImage picture(40, 25, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(home.file("pic.png")));
  prompter.fileNames = {home.file("pic.png")};
  ImageDialog form;
  form.findChild<QPushButton*>("Button3")->click();
  EXPECT_EQ(prompter.fileCaptions, QStringList{"Insert Image..."});
  EXPECT_TRUE(
      prompter.lastFilter.startsWith("All (*.jpg *.jpeg *.gif *.bmp *.ico *.emf *.wmf);;JPEG Image File (*.jpg)"));
  EXPECT_TRUE(prompter.lastFilter.endsWith("Bitmaps (*.bmp);;Icons (*.ico)"));
  EXPECT_EQ(form.fields().picture, home.file("pic.png").toStdString());
  EXPECT_EQ(form.fields().height, "25");
  EXPECT_EQ(form.fields().width, "40");
  EXPECT_EQ(form.findChild<QLabel*>("Image1")->pixmap().size(), QSize(40, 25));
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST(ImageDialogTest, UnreadablePictureIsReportedAndTheDialogStays) {
  TempHome home(false);
  ScriptedPrompter prompter;
  home.write("broken.gif", "this is not a picture");
  prompter.fileNames = {home.file("broken.gif"), ""};
  ImageDialog form;
  form.show();
  form.findChild<QLineEdit*>("EditHeight")->setText("7");
  form.findChild<QPushButton*>("Button3")->click();
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_TRUE(prompter.errors[0].contains(home.file("broken.gif"))) << prompter.errors[0].toStdString();
  EXPECT_EQ(form.fields().picture, home.file("broken.gif").toStdString());
  EXPECT_EQ(form.fields().height, "7");
  EXPECT_TRUE(form.isVisible());
  // Cancelling the chooser changes nothing.
  form.findChild<QPushButton*>("Button3")->click();
  EXPECT_EQ(form.fields().picture, home.file("broken.gif").toStdString());
}

TEST(LinkRolloverLayerDialogsTest, CaptionsListsAndInitialValues) {
  HyperlinkDialog link;
  EXPECT_EQ(link.windowTitle(), "Insert a Hyperlink...");
  EXPECT_EQ(link.fields(), LinkFields{});
  auto* to = link.findChild<QComboBox*>("EditLink");
  ASSERT_NE(to, nullptr);
  EXPECT_EQ(to->count(), 11);
  EXPECT_EQ(to->itemText(0), "file://");
  EXPECT_EQ(to->itemText(10), "wais://");
  EXPECT_EQ(buddyOf(link, "Link To:"), to);
  EXPECT_EQ(link.findChild<QComboBox*>("EditTarget")->itemText(3), "_top");

  RolloverDialog rollover;
  EXPECT_EQ(rollover.windowTitle(), "Insert Image Rollover");
  EXPECT_EQ(rollover.fields(), RolloverFields{});
  EXPECT_EQ(buddyOf(rollover, "Replace With (on Rollover):")->objectName(), "EditNext");
  EXPECT_EQ(rollover.findChild<QPushButton*>("Button2")->text(), "B&rowse");

  LayerDialog layer;
  EXPECT_EQ(layer.windowTitle(), "Insert Layer...");
  EXPECT_EQ(layer.fields(), LayerFields{});
  EXPECT_EQ(layer.fields().top, "0px;");
  EXPECT_EQ(layer.fields().height, "100px;");
  EXPECT_FALSE(layer.findChild<QPushButton*>("OKButton")->isDefault());
  EXPECT_EQ(layer.findChild<QComboBox*>("EditTag")->count(), 4);
  EXPECT_EQ(layer.findChild<QComboBox*>("EditColor")->count(), 0);
  LayerFields f{"span", "n", "1", "2", "3", "4", "blue"};
  layer.setFields(f);
  EXPECT_EQ(layer.fields(), f);
}

}  // namespace
}  // namespace markloom::test
