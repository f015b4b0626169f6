#pragma once
// "CFML Expression Builder": an expression editor, operator buttons, and a
// category tree whose leaves fill a list of functions, constants and
// operators to insert.
#include <QDialog>
#include <memory>

#include "core/markup/tags/cfml_expression_builder.h"

class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace markloom {

class MarkloomEditor;
class ScintillaEditorOps;
class EditorOps;

class CfmlExpressionDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CfmlExpressionDialog(QWidget* parent = nullptr);
  ~CfmlExpressionDialog() override;

  // The expression as lines, as OK inserts them.
  tags::CfmlExpressionFields fields() const;
  void setFields(const tags::CfmlExpressionFields& fields);
  EditorOps& expression();
  MarkloomEditor* editor() const { return expressionEditor_; }

 public slots:
  // A leaf fills the list from its file; a top node changes nothing.
  void showCategory(QTreeWidgetItem* item);
  // Inserts the selected entry into the expression, or warns on an empty list.
  void insertEntry();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MarkloomEditor* expressionEditor_;
  std::unique_ptr<ScintillaEditorOps> ops_;
  QTreeWidget* categoryTree_;
  QListWidget* entryList_;
};

}  // namespace markloom
