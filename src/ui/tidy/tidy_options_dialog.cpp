#include "ui/tidy/tidy_options_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

using dialogkit::fromUtf8;
using dialogkit::toUtf8;

TidyOptionsDialog::TidyOptionsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TidyForm");
  setWindowTitle("Tidyrig Configuration");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  checkList_ = new QListWidget(this);
  checkList_->setObjectName("CheckList");
  for (const TidyCheckItem& item : kTidyCheckItems) {
    auto* row = new QListWidgetItem(QString::fromUtf8(item.caption), checkList_);
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  }
  auto* checkLabel = new QLabel("Options:", this);
  checkLabel->setBuddy(checkList_);

  auto* encodingBox = new QGroupBox(" Character Encoding:", this);
  encodingBox->setObjectName("RadioGroup1");
  auto* encodingGrid = new QGridLayout(encodingBox);
  encodings_ = new QButtonGroup(this);
  for (int i = 0; i < static_cast<int>(kTidyEncodingCaptions.size()); ++i) {
    auto* button = new QRadioButton(QString::fromUtf8(kTidyEncodingCaptions[static_cast<std::size_t>(i)]), encodingBox);
    button->setObjectName(QString("Encoding%1").arg(i));
    encodings_->addButton(button, i);
    // Two columns, filled down the first column first.
    encodingGrid->addWidget(button, i % 3, i / 3);
  }

  wrapEdit_ = dialogkit::namedEdit(this, "EditWrap");
  indentEdit_ = dialogkit::namedEdit(this, "EditIndent");
  altEdit_ = dialogkit::namedEdit(this, "EditAlt");
  doctypeBox_ = dialogkit::namedCombo(this, "EditDoc", {"AUTO", "STRICT", "LOOSE", "OMIT"});
  outputBox_ = dialogkit::namedCombo(this, "EditOutput", {"HTML", "XML", "XHTML"});

  auto* boxes = new QGridLayout;
  dialogkit::addLabelled(boxes, 0, "Wrap:", wrapEdit_);
  dialogkit::addLabelled(boxes, 1, "Indent:", indentEdit_);
  dialogkit::addLabelled(boxes, 2, "Default Alt-Text:", altEdit_);
  dialogkit::addLabelled(boxes, 3, "Doctype:", doctypeBox_);
  dialogkit::addLabelled(boxes, 4, "Output As:", outputBox_);

  auto* right = new QVBoxLayout;
  right->addWidget(encodingBox);
  right->addLayout(boxes);
  right->addStretch();
  auto* left = new QVBoxLayout;
  left->addWidget(checkLabel);
  left->addWidget(checkList_);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  dialogkit::addOkCancel(this, layout, true, {QStringLiteral("Button1"), QStringLiteral("Button2")});

  setFields(TidyOptions{});
  checkList_->setCurrentRow(0);
  resize(460, sizeHint().height());
  setFixedSize(size());
  dialogkit::fitToContent(this);
}

TidyOptions TidyOptionsDialog::fields() const {
  TidyOptions o;
  for (std::size_t i = 0; i < kTidyCheckCount; ++i)
    o.checks[i] = checkList_->item(static_cast<int>(i))->checkState() == Qt::Checked;
  const int chosen = encodings_->checkedId();
  o.encoding = chosen < 0 ? std::nullopt : std::optional<TidyEncoding>(static_cast<TidyEncoding>(chosen));
  o.wrap = toUtf8(wrapEdit_->text());
  o.indent = toUtf8(indentEdit_->text());
  o.altText = toUtf8(altEdit_->text());
  o.doctype = toUtf8(doctypeBox_->currentText());
  o.output = toUtf8(outputBox_->currentText());
  return o;
}

void TidyOptionsDialog::setFields(const TidyOptions& o) {
  for (std::size_t i = 0; i < kTidyCheckCount; ++i)
    checkList_->item(static_cast<int>(i))->setCheckState(o.checks[i] ? Qt::Checked : Qt::Unchecked);
  if (o.encoding) {
    encodings_->button(static_cast<int>(*o.encoding))->setChecked(true);
  } else if (QAbstractButton* on = encodings_->checkedButton()) {
    encodings_->setExclusive(false);
    on->setChecked(false);
    encodings_->setExclusive(true);
  }
  wrapEdit_->setText(fromUtf8(o.wrap));
  indentEdit_->setText(fromUtf8(o.indent));
  altEdit_->setText(fromUtf8(o.altText));
  doctypeBox_->setEditText(fromUtf8(o.doctype));
  outputBox_->setEditText(fromUtf8(o.output));
}

void TidyOptionsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

}  // namespace markloom
