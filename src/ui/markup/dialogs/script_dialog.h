#pragma once
// "Insert Client-Side Script": language, content type, source file and the
// script's code lines.
#include <QDialog>

#include "core/markup/tags/script_builder.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace markloom {

class ScriptDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ScriptDialog(QWidget* parent = nullptr);
  markup::ScriptFields fields() const;
  void setFields(const markup::ScriptFields& fields);

 public slots:
  void Button1Click();  // Browse for the source file

 private:
  QComboBox* EditLanguage;
  QComboBox* EditContentType;
  QLineEdit* EditSource;
  QPlainTextEdit* ScriptEdit;
};

}  // namespace markloom
