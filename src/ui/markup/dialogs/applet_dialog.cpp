#include "ui/markup/dialogs/applet_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

using namespace dialogkit;

AppletDialog::AppletDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TJavaForm");
  setWindowTitle("Insert Java Applet...");
  resize(295, 290);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  appletEdit_ = namedEdit(this, "EditApplet");
  codeBaseEdit_ = namedEdit(this, "EditCodeBase");
  altTextEdit_ = namedEdit(this, "EditAlternativeText");
  nameEdit_ = namedEdit(this, "EditName");
  widthEdit_ = namedEdit(this, "EditWidth");
  heightEdit_ = namedEdit(this, "EditHeight");
  vSpaceEdit_ = namedEdit(this, "EditVSpace");
  hSpaceEdit_ = namedEdit(this, "EditHSpace");
  alignmentBox_ = namedCombo(this, "EditAlign", fromUtf8(tags::appletAlignments()));

  auto* appletBrowse = browseButton(this, "Button1");
  auto* codeBaseBrowse = browseButton(this, "Button2", "B&rowse...");
  form->addRow("Applet:", fieldWithButton(appletEdit_, appletBrowse));
  form->addRow("Code Base:", fieldWithButton(codeBaseEdit_, codeBaseBrowse));
  form->addRow("Alternative Text:", altTextEdit_);
  form->addRow("Name:", nameEdit_);
  form->addRow("Width:", widthEdit_);
  form->addRow("Height:", heightEdit_);
  form->addRow("VSpace:", vSpaceEdit_);
  form->addRow("HSpace:", hSpaceEdit_);
  form->addRow("Align:", alignmentBox_);
  addOkCancel(this, layout);
  connect(appletBrowse, &QPushButton::clicked, this, &AppletDialog::browseApplet);
  connect(codeBaseBrowse, &QPushButton::clicked, this, &AppletDialog::browseCodeBase);
  dialogkit::fitToContent(this);
}

tags::AppletFields AppletDialog::fields() const {
  return {toUtf8(appletEdit_->text()), toUtf8(codeBaseEdit_->text()), toUtf8(altTextEdit_->text()),
          toUtf8(nameEdit_->text()),   toUtf8(widthEdit_->text()),    toUtf8(heightEdit_->text()),
          toUtf8(vSpaceEdit_->text()), toUtf8(hSpaceEdit_->text()),   toUtf8(alignmentBox_->currentText())};
}

void AppletDialog::setFields(const tags::AppletFields& f) {
  appletEdit_->setText(fromUtf8(f.applet));
  codeBaseEdit_->setText(fromUtf8(f.codeBase));
  altTextEdit_->setText(fromUtf8(f.alternativeText));
  nameEdit_->setText(fromUtf8(f.name));
  widthEdit_->setText(fromUtf8(f.width));
  heightEdit_->setText(fromUtf8(f.height));
  vSpaceEdit_->setText(fromUtf8(f.vSpace));
  hSpaceEdit_->setText(fromUtf8(f.hSpace));
  alignmentBox_->setEditText(fromUtf8(f.align));
}

void AppletDialog::browseApplet() {
  const QString path =
      Prompter::instance().openFileName("Insert Java Applet", QString(), "Java Files (*.class);;" + kAllFilesFilter);
  if (!path.isEmpty()) appletEdit_->setText(path);
}

void AppletDialog::browseCodeBase() {
  const QString path = Prompter::instance().openFileName("Insert Java Codebase", QString(), kAllFilesFilter);
  if (!path.isEmpty()) codeBaseEdit_->setText(path);
}

}  // namespace markloom
