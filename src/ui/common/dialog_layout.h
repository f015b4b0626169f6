#pragma once
// Small helpers for laying out the tag dialogs: named text boxes and drop-downs,
// and label-field rows whose label's accelerator focuses the field.
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

namespace markloom {

inline QLineEdit* namedEdit(QWidget* parent, const char* name, const QString& text = {}) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(name);
  return e;
}

// An editable drop-down that starts empty; sorted lists are given sorted.
inline QComboBox* namedCombo(QWidget* parent, const char* name, const QStringList& items) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->addItems(items);
  c->setCurrentIndex(-1);
  c->setEditText(QString());
  return c;
}

inline QLabel* addLabelled(QGridLayout* grid, int row, const char* caption, QWidget* field, int span = 1) {
  auto* label = new QLabel(QObject::tr(caption), field->parentWidget());
  label->setBuddy(field);
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1, 1, span);
  return label;
}

}  // namespace markloom
