#pragma once
// The tag-template list editor: keyword, description and code of each
// template. Add and Edit open the "Current Item" fields, Done puts them into
// the list (the code's lines joined with CR LF) and closes them again; Delete
// asks first.
#include <QWidget>
#include <vector>

#include "core/document/tag_template_file.h"

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;

namespace markloom {

class TagTemplateEditor : public QWidget {
  Q_OBJECT
 public:
  explicit TagTemplateEditor(QWidget* parent = nullptr);

  void setTemplates(const std::vector<TagTemplate>& templates);
  std::vector<TagTemplate> templates() const;

 public slots:
  void addTemplate();
  void editTemplate();
  void finishTemplate();
  void deleteTemplate();

 private:
  enum class Mode { None, Add, Edit };
  void clearCurrentItem();

  QTreeWidget* list_ = nullptr;
  QGroupBox* currentItem_ = nullptr;
  QLineEdit* keyword_ = nullptr;
  QLineEdit* description_ = nullptr;
  QPlainTextEdit* code_ = nullptr;
  Mode mode_ = Mode::None;
};

}  // namespace markloom
