#pragma once
// "Insert Server Variables...": one long-lived, modeless dialog behind the
// "Vars" buttons. The platform it is shown for picks the list that fills the
// drop-down (read when the dialog goes from hidden to shown) and the syntax
// the variable is written in. OK asks the command to insert the variable into
// the document active at that moment, which then hides the dialog.
#include <QDialog>

#include "core/markup/tags/server_variables_builder.h"

class QComboBox;

namespace markloom {

class ServerVariablesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ServerVariablesDialog(QWidget* parent);

  tags::ServerVariableFields fields() const;
  void setFields(const tags::ServerVariableFields& fields);
  tags::Platform platform() const { return platform_; }

  // Takes the platform and shows the dialog without blocking.
  void showFor(tags::Platform platform);

  QComboBox* variables() const { return variableBox_; }

 signals:
  void insertRequested();

 public slots:
  // OK: the command inserts and hides the dialog.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Replaces the entries by the platform's list file; on error they stay.
  void reloadEntries();

  tags::Platform platform_ = tags::Platform::Asp;
  QComboBox* variableBox_;
};

}  // namespace markloom
