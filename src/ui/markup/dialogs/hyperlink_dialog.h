#pragma once
// "Insert a Hyperlink...": the address and attributes of an <a> tag.
#include <QDialog>

#include "core/markup/tags/hyperlink_builder.h"

class QComboBox;
class QLineEdit;

namespace markloom {

class HyperlinkDialog : public QDialog {
  Q_OBJECT
 public:
  explicit HyperlinkDialog(QWidget* parent = nullptr);

  tags::LinkFields fields() const;
  void setFields(const tags::LinkFields& fields);

 public slots:
  void browseFile();

 private:
  QComboBox* addressBox_;
  QComboBox* targetBox_;
  QLineEdit* styleEdit_;
  QLineEdit* nameEdit_;
  QLineEdit* classEdit_;
};

}  // namespace markloom
