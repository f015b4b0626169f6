#pragma once
// "CFML Expression Builder": an expression editor, operator buttons, and a
// category tree whose leaves fill a list of functions, constants and
// operators to insert.
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

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
  std::vector<std::string> expressionLines() const;
  EditorOps& expression();
  MarkloomEditor* editor() const { return RichEdit1; }

 public slots:
  // A leaf fills the list from its file; a top node changes nothing.
  void TreeView1Click(QTreeWidgetItem* item);
  // Inserts the selected entry into the expression, or warns on an empty list.
  void ListBox1DblClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MarkloomEditor* RichEdit1;
  std::unique_ptr<ScintillaEditorOps> ops_;
  QTreeWidget* TreeView1;
  QListWidget* ListBox1;
};

}  // namespace markloom
