#pragma once
// "Create New Page": collects a title, meta tags, colours and margins. Both
// buttons only close it; nothing uses the values yet.
#include <QColor>
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace markloom {

class NewPageDialog : public QDialog {
  Q_OBJECT
 public:
  explicit NewPageDialog(QWidget* parent = nullptr);

 private:
  QPushButton* colorButton(const QString& caption, const char* name);
};

}  // namespace markloom
