#pragma once
// Preferences ▸ TagTemplates: the tag-template list editor.
#include "ui/preferences/preferences_page.h"

namespace markloom {

class TagTemplateEditor;

class TagTemplatesPage : public PreferencesPage {
  Q_OBJECT
 public:
  explicit TagTemplatesPage(QWidget* parent = nullptr);

  void setFields(const PreferencesFields& fields) override;
  void fields(PreferencesFields& fields) const override;

 private:
  TagTemplateEditor* editor_ = nullptr;
};

}  // namespace markloom
