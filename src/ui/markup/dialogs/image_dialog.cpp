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
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"
#include "ui/markup/dialogs/up_down_edit.h"

namespace markloom {

using namespace dialogkit;

ImageDialog::ImageDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("ImageForm");
  setWindowTitle("Insert Image");
  resize(468, 253);

  sourceEdit_ = namedEdit(this, "EditSrc");
  heightEdit_ = namedEdit(this, "EditHeight");
  widthEdit_ = namedEdit(this, "EditWidth");
  altTextEdit_ = namedEdit(this, "EditAltText");
  lowResEdit_ = namedEdit(this, "EditLowRes");
  styleEdit_ = namedEdit(this, "EditStyle");
  borderEdit_ = new UpDownEdit("EditBorder", "UpDown1", 0, 32767, this);
  alignmentBox_ = new QComboBox(this);
  alignmentBox_->setObjectName("EditAlign");
  alignmentBox_->setEditable(true);
  alignmentBox_->setInsertPolicy(QComboBox::NoInsert);
  alignmentBox_->addItems({"left", "right", "top", "bottom", "middle", "baseline"});
  nameEdit_ = namedEdit(this, "EditName");

  auto* fieldsGrid = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {
      {"&Picture:", sourceEdit_},
      {"&Height:", heightEdit_},
      {"&Width:", widthEdit_},
      {"&Alternative Text:", altTextEdit_},
      {"Alternative &Low-Res Image:", lowResEdit_},
      {"&Style:", styleEdit_},
      {"&Border:", borderEdit_},
      {"Ali&gn:", alignmentBox_},
      {"&Name:", nameEdit_},
  };
  int row = 0;
  for (const auto& [caption, field] : rows) addLabelled(fieldsGrid, row++, caption, field);
  auto* browse = browseButton(this, "Button3", "&Browse");
  fieldsGrid->addWidget(browse, 0, 2);
  connect(browse, &QPushButton::clicked, this, &ImageDialog::browsePicture);

  auto* previewBox = new QGroupBox(tr("Preview:"), this);
  previewBox->setObjectName("PreviewBox");
  preview_ = new QLabel(previewBox);
  preview_->setObjectName("Image1");
  preview_->setFixedSize(kPreviewSize, kPreviewSize);
  preview_->setAlignment(Qt::AlignCenter);  // centred, unscaled: a larger picture is cut
  auto* previewLayout = new QVBoxLayout(previewBox);
  previewLayout->addWidget(preview_);

  auto* side = new QVBoxLayout;
  side->addWidget(previewBox);
  addOkCancel(this, side);
  side->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fieldsGrid, 1);
  layout->addLayout(side);

  setFields(tags::ImageFields{});
  dialogkit::fitToContent(this);
}

tags::ImageFields ImageDialog::fields() const {
  tags::ImageFields f;
  f.picture = toUtf8(sourceEdit_->text());
  f.height = toUtf8(heightEdit_->text());
  f.width = toUtf8(widthEdit_->text());
  f.altText = toUtf8(altTextEdit_->text());
  f.lowRes = toUtf8(lowResEdit_->text());
  f.style = toUtf8(styleEdit_->text());
  f.border = toUtf8(borderEdit_->text());
  f.align = toUtf8(alignmentBox_->currentText());
  f.name = toUtf8(nameEdit_->text());
  return f;
}

void ImageDialog::setFields(const tags::ImageFields& f) {
  sourceEdit_->setText(fromUtf8(f.picture));
  heightEdit_->setText(fromUtf8(f.height));
  widthEdit_->setText(fromUtf8(f.width));
  altTextEdit_->setText(fromUtf8(f.altText));
  lowResEdit_->setText(fromUtf8(f.lowRes));
  styleEdit_->setText(fromUtf8(f.style));
  borderEdit_->setText(fromUtf8(f.border));
  alignmentBox_->setCurrentIndex(alignmentBox_->findText(fromUtf8(f.align)));
  alignmentBox_->setEditText(fromUtf8(f.align));
  nameEdit_->setText(fromUtf8(f.name));
}

void ImageDialog::loadPicture(const QString& path) {
  QImageReader reader(path);
  const QImage image = reader.read();
  if (image.isNull()) {
    preview_->clear();
    throw Error(
        QStringLiteral("Cannot read the picture %1: %2").arg(path, reader.errorString()).toLocal8Bit().toStdString());
  }
  preview_->setPixmap(QPixmap::fromImage(image));
  heightEdit_->setText(QString::number(image.height()));
  widthEdit_->setText(QString::number(image.width()));
}

void ImageDialog::browsePicture() {
  const QString path = Prompter::instance().openFileName(tr("Insert Image..."), QString(), kPictureFilter);
  if (path.isEmpty()) return;
  sourceEdit_->setText(path);
  guarded([&] { loadPicture(path); });
}

}  // namespace markloom
