#include "ui/preferences/background_group.h"

#include <QComboBox>
#include <QGridLayout>

#include "core/settings/color_text.h"
#include "ui/common/dialog_kit.h"
#include "ui/preferences/preferences_text.h"

namespace markloom {

using preferences::shown;
using preferences::stored;

namespace {

QComboBox* colorBox(QWidget* parent, const QString& name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setEditable(true);
  for (const std::string& n : colorNames()) box->addItem(shown(n));
  return box;
}

bool isGradient(const QString& caption) { return caption == "Vertical Gradient" || caption == "Horizontal Gradient"; }

}  // namespace

BackgroundGroup::BackgroundGroup(const QString& title, const QString& prefix, const Settings& settings, QWidget* parent)
    : QGroupBox(title, parent), settings_(settings) {
  auto* grid = new QGridLayout(this);
  style_ = new QComboBox(this);
  style_->setObjectName(prefix + "Style");
  style_->setEditable(true);
  for (const BackgroundStyle& s : backgroundStyles()) style_->addItem(s.caption);
  style_->setCurrentText("Normal");
  primary_ = colorBox(this, prefix + "Primary");
  primary_->setCurrentText("clWindow");
  secondary_ = colorBox(this, prefix + "Secondary");
  secondary_->setCurrentText("clNone");
  secondary_->setEnabled(false);
  dialogkit::addLabelled(grid, 0, "Style:", style_);
  dialogkit::addLabelled(grid, 1, "Primary Color:", primary_);
  dialogkit::addLabelled(grid, 2, "Secondary Color:", secondary_);
  // Text that names neither kind of style leaves the secondary colour as it was.
  connect(style_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    if (isGradient(text))
      secondary_->setEnabled(true);
    else if (text == "Normal")
      secondary_->setEnabled(false);
  });
}

void BackgroundGroup::setValues(const PreferenceValues& values) {
  if (values.contains(settings_.style.row)) {
    const QString caption = shown(styleCaption(values.get(settings_.style)).value_or("Normal"));
    style_->setCurrentText(caption);
    secondary_->setEnabled(isGradient(caption));
  }
  primary_->setCurrentText(shown(values.get(settings_.primary)));
  secondary_->setCurrentText(shown(values.get(settings_.secondary)));
}

void BackgroundGroup::values(PreferenceValues& values) const {
  if (const auto code = styleCode(stored(style_->currentText())))
    values.set(settings_.style, *code);
  else
    values.erase(settings_.style.row);
  values.set(settings_.primary, stored(primary_->currentText()));
  values.set(settings_.secondary, stored(secondary_->currentText()));
}

}  // namespace markloom
