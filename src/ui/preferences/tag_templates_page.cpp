#include "ui/preferences/tag_templates_page.h"

#include <QVBoxLayout>

#include "ui/preferences/tag_template_editor.h"

namespace markloom {

TagTemplatesPage::TagTemplatesPage(QWidget* parent) : PreferencesPage(parent) {
  auto* content = new QVBoxLayout;
  editor_ = new TagTemplateEditor(this);
  content->addWidget(editor_);
  setContent("Tag Templates", content);
}

void TagTemplatesPage::setFields(const PreferencesFields& fields) { editor_->setTemplates(fields.templates); }

void TagTemplatesPage::fields(PreferencesFields& fields) const { fields.templates = editor_->templates(); }

}  // namespace markloom
