#include "ui/preferences/display_page.h"

#include <QVBoxLayout>

#include "core/settings/settings_table.h"
#include "ui/preferences/background_group.h"

namespace markloom {

DisplayPage::DisplayPage(QWidget* parent) : PreferencesPage(parent) {
  auto* content = new QVBoxLayout;
  editor_ =
      new BackgroundGroup("Editor:", "Editor", {kEditorBackgroundStyle, kEditorBackground1, kEditorBackground2}, this);
  gutter_ =
      new BackgroundGroup("Gutter", "Gutter", {kGutterBackgroundStyle, kGutterBackground1, kGutterBackground2}, this);
  content->addWidget(editor_);
  content->addWidget(gutter_);
  setContent("Display", content);
}

void DisplayPage::setFields(const PreferencesFields& fields) {
  editor_->setValues(fields.settings);
  gutter_->setValues(fields.settings);
}

void DisplayPage::fields(PreferencesFields& fields) const {
  editor_->values(fields.settings);
  gutter_->values(fields.settings);
}

}  // namespace markloom
