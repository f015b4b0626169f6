#include "ui/markup/dialogs/applet_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/prompter.h"
#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace builders;

AppletDialog::AppletDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TJavaForm");
  setWindowTitle("Insert Java Applet...");
  resize(295, 290);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  auto line = [this](const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    return edit;
  };
  auto withBrowse = [this](QLineEdit* edit, const char* name, const char* caption) {
    auto* row = new QHBoxLayout;
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    row->addWidget(edit, 1);
    row->addWidget(button);
    return std::pair{row, button};
  };
  EditApplet = line("EditApplet");
  EditCodeBase = line("EditCodeBase");
  EditAlternativeText = line("EditAlternativeText");
  EditName = line("EditName");
  EditWidth = line("EditWidth");
  EditHeight = line("EditHeight");
  EditVSpace = line("EditVSpace");
  EditHSpace = line("EditHSpace");
  EditAlign = new QComboBox(this);
  EditAlign->setObjectName("EditAlign");
  EditAlign->setEditable(true);
  EditAlign->setInsertPolicy(QComboBox::NoInsert);
  EditAlign->addItems(qsList(markup::appletAlignments()));
  EditAlign->setCurrentIndex(-1);
  EditAlign->setEditText(QString());

  auto [appletRow, appletBrowse] = withBrowse(EditApplet, "Button1", "&Browse...");
  auto [codeBaseRow, codeBaseBrowse] = withBrowse(EditCodeBase, "Button2", "B&rowse...");
  form->addRow("Applet:", appletRow);
  form->addRow("Code Base:", codeBaseRow);
  form->addRow("Alternative Text:", EditAlternativeText);
  form->addRow("Name:", EditName);
  form->addRow("Width:", EditWidth);
  form->addRow("Height:", EditHeight);
  form->addRow("VSpace:", EditVSpace);
  form->addRow("HSpace:", EditHSpace);
  form->addRow("Align:", EditAlign);
  addOkCancel(this, layout);
  connect(appletBrowse, &QPushButton::clicked, this, &AppletDialog::Button1Click);
  connect(codeBaseBrowse, &QPushButton::clicked, this, &AppletDialog::Button2Click);
}

markup::AppletFields AppletDialog::fields() const {
  return {bytes(EditApplet->text()), bytes(EditCodeBase->text()), bytes(EditAlternativeText->text()),
          bytes(EditName->text()),   bytes(EditWidth->text()),    bytes(EditHeight->text()),
          bytes(EditVSpace->text()), bytes(EditHSpace->text()),   bytes(EditAlign->currentText())};
}

void AppletDialog::setFields(const markup::AppletFields& f) {
  EditApplet->setText(qs(f.applet));
  EditCodeBase->setText(qs(f.codeBase));
  EditAlternativeText->setText(qs(f.alternativeText));
  EditName->setText(qs(f.name));
  EditWidth->setText(qs(f.width));
  EditHeight->setText(qs(f.height));
  EditVSpace->setText(qs(f.vSpace));
  EditHSpace->setText(qs(f.hSpace));
  EditAlign->setEditText(qs(f.align));
}

void AppletDialog::Button1Click() {
  const QString path =
      Prompter::instance().openFileName("Insert Java Applet", QString(), "Java Files (*.class);;" + kAllFilesFilter);
  if (!path.isEmpty()) EditApplet->setText(path);
}

void AppletDialog::Button2Click() {
  const QString path = Prompter::instance().openFileName("Insert Java Codebase", QString(), kAllFilesFilter);
  if (!path.isEmpty()) EditCodeBase->setText(path);
}

}  // namespace markloom
