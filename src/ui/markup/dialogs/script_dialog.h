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
  tags::ScriptFields fields() const;
  void setFields(const tags::ScriptFields& fields);

 public slots:
  void browseSource();

 private:
  QComboBox* languageBox_;
  QComboBox* contentTypeBox_;
  QLineEdit* sourceEdit_;
  QPlainTextEdit* codeEdit_;
};

}  // namespace markloom
