#pragma once
// "WML Access Tag...": the domain and path allowed to reach the deck.
#include <QDialog>

#include "core/markup/tags/wml_access_builder.h"

class QLineEdit;

namespace markloom {

class WmlAccessDialog : public QDialog {
  Q_OBJECT
 public:
  explicit WmlAccessDialog(QWidget* parent = nullptr);
  markup::WmlAccessFields fields() const;
  void setFields(const markup::WmlAccessFields& fields);

 private:
  QLineEdit* EditDomain;
  QLineEdit* EditPath;
};

}  // namespace markloom
