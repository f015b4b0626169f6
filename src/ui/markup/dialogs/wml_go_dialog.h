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
  tags::WmlGoFields fields() const;
  void setFields(const tags::WmlGoFields& fields);

 private:
  QLineEdit* addressEdit_;
  QCheckBox* sendRefererBox_;
  QComboBox* methodBox_;
  QLineEdit* encodingEdit_;
  QLineEdit* nameEdit_;
  QLineEdit* classEdit_;
};

}  // namespace markloom
