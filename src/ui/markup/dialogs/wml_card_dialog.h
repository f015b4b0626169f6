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
  markup::WmlCardFields fields() const;
  void setFields(const markup::WmlCardFields& fields);

 private:
  QLineEdit* EditID;
  QLineEdit* EditTitle;
};

}  // namespace markloom
