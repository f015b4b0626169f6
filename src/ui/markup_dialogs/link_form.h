#pragma once
// TLinkForm, "Insert a Hyperlink...": the address and attributes of an <a> tag.
#include <QDialog>

#include "core/markup/dialogs/link_builder.h"

class QComboBox;
class QLineEdit;

namespace markloom {

class TLinkForm : public QDialog {
  Q_OBJECT
 public:
  explicit TLinkForm(QWidget* parent = nullptr);

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
