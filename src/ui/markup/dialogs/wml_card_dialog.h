#pragma once
// "Insert WML Card": the card's name (id) and title.
#include <QDialog>

#include "core/markup/tags/wml_card_builder.h"

class QLineEdit;

namespace markloom {

class WmlCardDialog : public QDialog {
  Q_OBJECT
 public:
  explicit WmlCardDialog(QWidget* parent = nullptr);
  tags::WmlCardFields fields() const;
  void setFields(const tags::WmlCardFields& fields);

 private:
  QLineEdit* nameEdit_;
  QLineEdit* titleEdit_;
};

}  // namespace markloom
