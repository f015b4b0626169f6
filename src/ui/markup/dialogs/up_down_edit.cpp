#include "ui/markup/dialogs/up_down_edit.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/dialog_kit.h"

namespace markloom {

UpDownEdit::UpDownEdit(const QString& editName, const QString& upDownName, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), minimum_(minimum), maximum_(maximum) {
  edit_->setObjectName(editName);
  dialogkit::markShortField(edit_, QString::number(maximum));
  auto* arrows = new QWidget(this);
  arrows->setObjectName(upDownName);
  auto* up = new QToolButton(arrows);
  up->setObjectName(upDownName + "Up");
  up->setArrowType(Qt::UpArrow);
  up->setAutoRepeat(true);
  auto* down = new QToolButton(arrows);
  down->setObjectName(upDownName + "Down");
  down->setArrowType(Qt::DownArrow);
  down->setAutoRepeat(true);
  for (QToolButton* b : {up, down}) {
    b->setFixedSize(16, 11);
    b->setFocusPolicy(Qt::NoFocus);
  }
  auto* column = new QVBoxLayout(arrows);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(up);
  column->addWidget(down);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  row->addWidget(edit_, 1);
  row->addWidget(arrows);
  setFocusProxy(edit_);
  connect(up, &QToolButton::clicked, this, [this] { stepBy(1); });
  connect(down, &QToolButton::clicked, this, [this] { stepBy(-1); });
  connect(edit_, &QLineEdit::textChanged, this, &UpDownEdit::textChanged);
}

QString UpDownEdit::text() const { return edit_->text(); }
void UpDownEdit::setText(const QString& text) { edit_->setText(text); }

void UpDownEdit::stepBy(int steps) {
  bool ok = false;
  const long long value = edit_->text().trimmed().toLongLong(&ok);
  const long long next = ok ? std::clamp<long long>(value + steps, minimum_, maximum_) : minimum_;
  edit_->setText(QString::number(next));
}

}  // namespace markloom
