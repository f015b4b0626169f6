#include "ui/preferences/preferences_page.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

void PreferencesPage::setContent(const QString& caption, QLayout* content) {
  auto* column = new QVBoxLayout(this);
  auto* bar = new QLabel(caption);
  QFont bold = bar->font();
  bold.setBold(true);
  bar->setFont(bold);
  bar->setObjectName("CaptionBar");
  bar->setAutoFillBackground(true);
  bar->setBackgroundRole(QPalette::Mid);
  bar->setContentsMargins(6, 3, 6, 3);
  column->addWidget(bar);
  column->addLayout(content);
  column->addStretch();
}

QLineEdit* PreferencesPage::wideEdit(const char* name) {
  QLineEdit* edit = dialogkit::namedEdit(this, name);
  edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 30);
  return edit;
}

void PreferencesPage::setFields(const PreferencesFields& fields) { bindings_.show(fields.settings); }

void PreferencesPage::fields(PreferencesFields& fields) const { bindings_.read(fields.settings); }

}  // namespace markloom
