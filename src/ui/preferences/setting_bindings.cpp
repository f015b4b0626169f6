#include "ui/preferences/setting_bindings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "ui/preferences/preferences_text.h"

namespace markloom {

using preferences::shown;
using preferences::stored;

namespace {

QString fromView(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

}  // namespace

void SettingBindings::bind(QLineEdit* field, const SettingRow& row) {
  bindings_.push_back({[field, &row](const PreferenceValues& v) { field->setText(shown(v.text(row))); },
                       [field, &row](PreferenceValues& v) { v.set(row, stored(field->text())); }});
}

void SettingBindings::bind(QComboBox* field, const SettingRow& row) {
  bindings_.push_back({[field, &row](const PreferenceValues& v) { field->setCurrentText(shown(v.text(row))); },
                       [field, &row](PreferenceValues& v) { v.set(row, stored(field->currentText())); }});
}

void SettingBindings::bind(QCheckBox* box, const FlagSetting& flag) {
  bindings_.push_back({[box, &flag](const PreferenceValues& v) { box->setChecked(v.get(flag)); },
                       [box, &flag](PreferenceValues& v) { v.setFlag(flag, box->isChecked()); }});
}

QCheckBox* SettingBindings::flagBox(const FlagSetting& flag) {
  auto* box = new QCheckBox(fromView(flag.row.label));
  box->setObjectName("Flag " + fromView(flag.row.key));
  bind(box, flag);
  return box;
}

void SettingBindings::show(const PreferenceValues& values) const {
  for (const Binding& b : bindings_) b.show(values);
}

void SettingBindings::read(PreferenceValues& values) const {
  for (const Binding& b : bindings_) b.read(values);
}

}  // namespace markloom
