#pragma once
// HyperlinkDialog, "Insert a Hyperlink...": the address and attributes of an <a> tag.
#include <QDialog>

#include "core/markup/tags/link_builder.h"

class QComboBox;
class QLineEdit;

namespace markloom {

class HyperlinkDialog : public QDialog {
  Q_OBJECT
 public:
  explicit HyperlinkDialog(QWidget* parent = nullptr);

  LinkFields fields() const;
  void setFields(const LinkFields& fields);

 public slots:
  void Button1Click();  // "&Browse..."

 private:
  QComboBox* EditLink;
  QComboBox* EditTarget;
  QLineEdit* EditStyle;
  QLineEdit* EditName;
  QLineEdit* EditClass;
};

}  // namespace markloom
