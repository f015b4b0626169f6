#include "ui/markup/dialogs/image_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/error.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/dialog_layout.h"
#include "ui/common/dialog_text.h"
#include "ui/markup/dialogs/up_down_edit.h"

namespace markloom {

using dialogtext::bytes;
using dialogtext::qs;

ImageDialog::ImageDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("ImageForm");
  setWindowTitle("Insert Image");
  resize(468, 253);

  EditSrc = namedEdit(this, "EditSrc");
  EditHeight = namedEdit(this, "EditHeight");
  EditWidth = namedEdit(this, "EditWidth");
  EditAltText = namedEdit(this, "EditAltText");
  EditLowRes = namedEdit(this, "EditLowRes");
  EditStyle = namedEdit(this, "EditStyle");
  EditBorder = new UpDownEdit("EditBorder", "UpDown1", 0, 32767, this);
  EditAlign = new QComboBox(this);
  EditAlign->setObjectName("EditAlign");
  EditAlign->setEditable(true);
  EditAlign->setInsertPolicy(QComboBox::NoInsert);
  EditAlign->addItems({"left", "right", "top", "bottom", "middle", "baseline"});
  EditName = namedEdit(this, "EditName");

  auto* fieldsGrid = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {
      {"&Picture:", EditSrc},       {"&Height:", EditHeight}, {"&Width:", EditWidth},
      {"&Alternative Text:", EditAltText}, {"Alternative &Low-Res Image:", EditLowRes},
      {"&Style:", EditStyle},       {"&Border:", EditBorder}, {"Ali&gn:", EditAlign},
      {"&Name:", EditName},
  };
  int row = 0;
  for (const auto& [caption, field] : rows) addLabelled(fieldsGrid, row++, caption, field);
  auto* browse = new QPushButton(tr("&Browse"), this);
  browse->setObjectName("Button3");
  browse->setAutoDefault(false);
  fieldsGrid->addWidget(browse, 0, 2);
  connect(browse, &QPushButton::clicked, this, &ImageDialog::Button3Click);

  auto* preview = new QGroupBox(tr("Preview:"), this);
  preview->setObjectName("PreviewBox");
  Image1 = new QLabel(preview);
  Image1->setObjectName("Image1");
  Image1->setFixedSize(kPreviewSize, kPreviewSize);
  Image1->setAlignment(Qt::AlignCenter);  // centred, unscaled: a larger picture is cut
  auto* previewLayout = new QVBoxLayout(preview);
  previewLayout->addWidget(Image1);

  auto* side = new QVBoxLayout;
  side->addWidget(preview);
  auto* buttons = new QHBoxLayout;
  addDialogButtons(this, buttons);
  side->addLayout(buttons);
  side->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fieldsGrid, 1);
  layout->addLayout(side);

  setFields(ImageFields{});
}

ImageFields ImageDialog::fields() const {
  ImageFields f;
  f.picture = bytes(EditSrc->text());
  f.height = bytes(EditHeight->text());
  f.width = bytes(EditWidth->text());
  f.altText = bytes(EditAltText->text());
  f.lowRes = bytes(EditLowRes->text());
  f.style = bytes(EditStyle->text());
  f.border = bytes(EditBorder->text());
  f.align = bytes(EditAlign->currentText());
  f.name = bytes(EditName->text());
  return f;
}

void ImageDialog::setFields(const ImageFields& f) {
  EditSrc->setText(qs(f.picture));
  EditHeight->setText(qs(f.height));
  EditWidth->setText(qs(f.width));
  EditAltText->setText(qs(f.altText));
  EditLowRes->setText(qs(f.lowRes));
  EditStyle->setText(qs(f.style));
  EditBorder->setText(qs(f.border));
  const int index = EditAlign->findText(qs(f.align));
  EditAlign->setCurrentIndex(index);
  EditAlign->setEditText(qs(f.align));
  EditName->setText(qs(f.name));
}

void ImageDialog::loadPicture(const QString& path) {
  QImageReader reader(path);
  const QImage image = reader.read();
  if (image.isNull()) {
    Image1->clear();
    throw Error(QStringLiteral("Cannot read the picture %1: %2").arg(path, reader.errorString()).toLocal8Bit().toStdString());
  }
  Image1->setPixmap(QPixmap::fromImage(image));
  EditHeight->setText(QString::number(image.height()));
  EditWidth->setText(QString::number(image.width()));
}

void ImageDialog::Button3Click() {
  const QString path = Prompter::instance().openFileName(tr("Insert Image..."), QString(), dialogtext::kPictureFilter);
  if (path.isEmpty()) return;
  EditSrc->setText(path);
  guarded([&] { loadPicture(path); });
}

}  // namespace markloom
