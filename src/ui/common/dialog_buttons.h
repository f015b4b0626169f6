#pragma once
// The "&OK" and "&Cancel" buttons the tag dialogs share.
#include <QDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QPushButton>

namespace markloom {

struct DialogButtons {
  QPushButton* ok;
  QPushButton* cancel;
};

// Adds the two buttons to layout; OK accepts, Cancel rejects (Escape too).
// okIsDefault: Enter presses OK.
inline DialogButtons addDialogButtons(QDialog* dialog, QBoxLayout* layout, bool okIsDefault = true) {
  auto* ok = new QPushButton(QObject::tr("&OK"), dialog);
  ok->setObjectName("OKButton");
  auto* cancel = new QPushButton(QObject::tr("&Cancel"), dialog);
  cancel->setObjectName("CancelButton");
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);
  ok->setDefault(okIsDefault);
  layout->addWidget(ok);
  layout->addWidget(cancel);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return {ok, cancel};
}

// The common form: the fields above, the two buttons right-aligned below.
inline DialogButtons layOutFieldsAndButtons(QDialog* dialog, QLayout* fields, bool okIsDefault = true) {
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  const DialogButtons added = addDialogButtons(dialog, buttons, okIsDefault);
  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  return added;
}

}  // namespace markloom
