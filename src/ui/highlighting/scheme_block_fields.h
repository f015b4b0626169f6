#pragma once
// The fields of one block of a colouring scheme: its name, delimiters,
// comments, string quotes, numbers, keywords and background. The pair tables
// always end with one empty row to type a further pair in.
#include <QString>
#include <QWidget>

#include "core/highlighting/syntax_scheme.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace markloom {

class SchemeBlockFields : public QWidget {
  Q_OBJECT
 public:
  explicit SchemeBlockFields(QWidget* parent = nullptr);

  // Fills the fields from block; edited() is not emitted for it.
  void showBlock(const SchemeBlock& block);
  // Copies the fields into block.
  void readInto(SchemeBlock& block);
  QString name() const;

 signals:
  // The user changed a field.
  void edited();
  // The background colour button was pressed.
  void backgroundColourClicked();

 private:
  QLineEdit* edit(const char* name);
  QCheckBox* check(const char* name, const QString& caption);
  void userEdit();
  void keepOneEmptyRow(QTableWidget* table, std::size_t limit);

  bool filling_ = false;
  QLineEdit* name_ = nullptr;
  QTableWidget* delimiters_ = nullptr;
  QLineEdit* lineComments_ = nullptr;
  QTableWidget* blockComments_ = nullptr;
  QLineEdit* quotes_ = nullptr;
  QLineEdit* escape_ = nullptr;
  QCheckBox* numbers_ = nullptr;
  QLineEdit* numberPrefixes_ = nullptr;
  QLineEdit* identifierPrefixes_ = nullptr;
  QLineEdit* keywordSet_ = nullptr;
  QPlainTextEdit* keywords_ = nullptr;
  QCheckBox* caseSensitive_ = nullptr;
  QLineEdit* lineContinuation_ = nullptr;
  QCheckBox* background_ = nullptr;
  QPushButton* backgroundColour_ = nullptr;
};

}  // namespace markloom
