#pragma once
// "Insert Server Variables...": one long-lived, modeless dialog behind the
// "Vars" buttons. VariableMode picks the list that fills the drop-down (read
// when the dialog goes from hidden to shown) and the syntax OK writes.
#include <QDialog>
#include <QString>

#include "ui/common/dialog_kit.h"

class QComboBox;

namespace markloom {

class ServerVariablesDialog : public QDialog {
  Q_OBJECT
 public:
  ServerVariablesDialog(QWidget* parent, builders::DocumentSource source);

  // "ASP", "CFM", "SSI" or "PHP"; set before each showing.
  QString VariableMode;

  // Sets the mode and shows the dialog without blocking.
  void showFor(const QString& mode);

  QComboBox* variables() const { return EditVars; }

 public slots:
  void Button1Click();  // OK
  void Button2Click();  // Cancel: hide

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Replaces the entries by the mode's list file; on error they stay.
  void reloadEntries();

  builders::DocumentSource source_;
  QComboBox* EditVars;
};

}  // namespace markloom
