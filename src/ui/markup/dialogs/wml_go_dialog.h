#pragma once
// "WML Go Tag...": the target address and the optional request details.
#include <QDialog>

#include "core/markup/tags/wml_go_builder.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace markloom {

class WmlGoDialog : public QDialog {
  Q_OBJECT
 public:
  explicit WmlGoDialog(QWidget* parent = nullptr);
  markup::WmlGoFields fields() const;
  void setFields(const markup::WmlGoFields& fields);

 private:
  QLineEdit* EditAddress;
  QCheckBox* CheckBox1;
  QComboBox* EditMethod;
  QLineEdit* EditEncType;
  QLineEdit* EditName;
  QLineEdit* EditClass;
};

}  // namespace markloom
