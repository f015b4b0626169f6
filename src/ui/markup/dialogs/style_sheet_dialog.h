#pragma once
// "Reference External Stylesheet...": the style sheet file to link.
#include <QDialog>

#include "core/markup/tags/style_sheet_builder.h"

class QLineEdit;

namespace markloom {

class StyleSheetDialog : public QDialog {
  Q_OBJECT
 public:
  explicit StyleSheetDialog(QWidget* parent = nullptr);
  tags::StyleSheetFields fields() const;
  void setFields(const tags::StyleSheetFields& fields);

 public slots:
  void browseStyleSheet();

 private:
  QLineEdit* fileNameEdit_;
};

}  // namespace markloom
