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
  tags::WmlAccessFields fields() const;
  void setFields(const tags::WmlAccessFields& fields);

 private:
  QLineEdit* domainEdit_;
  QLineEdit* pathEdit_;
};

}  // namespace markloom
