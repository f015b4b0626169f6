#include "ui/common/dialog_kit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

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

namespace {

constexpr const char* kShortFieldText = "markloomShortFieldText";

// The edit inside a drop-down or a spin box is sized by its owner.
bool ownedByCompound(const QWidget* w, const QWidget* window) {
  for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
    if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p)) return true;
  return false;
}

// Room a line edit needs to show text whole: its frame and its own side
// margins around the text.
int editWidthFor(const QLineEdit* edit, const QString& text) {
  const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
  const QMargins margins = edit->textMargins();
  return edit->fontMetrics().horizontalAdvance(text) + 2 * frame + 4 + margins.left() + margins.right() + 2;
}

}  // namespace

int charsWide(const QWidget* widget, int chars) { return widget->fontMetrics().averageCharWidth() * chars; }

void markShortField(QLineEdit* field, const QString& maxText) { field->setProperty(kShortFieldText, maxText); }

QString shortFieldText(const QLineEdit* field) { return field->property(kShortFieldText).toString(); }

void fitToContent(QWidget* window) {
  for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
    if (ownedByCompound(edit, window)) continue;
    const QString shortText = shortFieldText(edit);
    const int wanted = std::max(edit->sizeHint().width(),
                                shortText.isEmpty() ? charsWide(edit, kFieldChars) : editWidthFor(edit, shortText));
    // A value set before showing must be seen whole too.
    const int need = std::max(wanted, editWidthFor(edit, edit->text()));
    if (edit->minimumWidth() < need) edit->setMinimumWidth(std::min(need, edit->maximumWidth()));
  }
  const bool fixed = window->minimumSize() == window->maximumSize();
  if (fixed) {
    // Let the layout ask again before fixing the window at what it needs.
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  if (QLayout* layout = window->layout()) layout->activate();
  const QSize size = window->size().expandedTo(window->sizeHint()).expandedTo(window->minimumSizeHint());
  if (fixed)
    window->setFixedSize(size);
  else if (window->testAttribute(Qt::WA_Resized))  // otherwise the first show sizes it from its hint
    window->resize(size);
}

}  // namespace markloom::dialogkit
