#include "ui/common/dialog_kit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace markloom::dialogkit {

QString fromUtf8(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QStringList fromUtf8(const std::vector<std::string>& items) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) out << fromUtf8(item);
  return out;
}

std::string toUtf8(const QString& text) { return text.toUtf8().toStdString(); }

OkCancel makeOkCancel(QDialog* dialog, bool okIsDefault, const OkCancelNames& names) {
  auto* ok = new QPushButton(QObject::tr("&OK"), dialog);
  ok->setObjectName(names.ok);
  auto* cancel = new QPushButton(QObject::tr("&Cancel"), dialog);
  cancel->setObjectName(names.cancel);
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);
  ok->setDefault(okIsDefault);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return {ok, cancel};
}

OkCancel addOkCancel(QDialog* dialog, QBoxLayout* layout, bool okIsDefault, const OkCancelNames& names) {
  const OkCancel buttons = makeOkCancel(dialog, okIsDefault, names);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(buttons.ok);
  row->addWidget(buttons.cancel);
  layout->addLayout(row);
  return buttons;
}

OkCancel layOutFieldsAndButtons(QDialog* dialog, QLayout* fields, bool okIsDefault) {
  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(fields);
  return addOkCancel(dialog, layout, okIsDefault);
}

QLineEdit* namedEdit(QWidget* parent, const char* name, const QString& text) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(name);
  return e;
}

QCheckBox* namedCheck(QWidget* parent, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

QPushButton* browseButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QHBoxLayout* fieldWithButton(QLineEdit* field, QPushButton* button) {
  auto* row = new QHBoxLayout;
  row->addWidget(field, 1);
  row->addWidget(button);
  return row;
}

QComboBox* namedCombo(QWidget* parent, const char* name, const QStringList& items) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->addItems(items);
  c->setCurrentIndex(-1);
  c->setEditText(QString());
  return c;
}

QLabel* addLabelled(QGridLayout* grid, int row, const char* caption, QWidget* field, int span) {
  auto* label = new QLabel(QObject::tr(caption), field->parentWidget());
  label->setBuddy(field);
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1, 1, span);
  return label;
}

}  // namespace markloom::dialogkit
