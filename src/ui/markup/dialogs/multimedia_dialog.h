#pragma once
// "Insert Multimedia File...": one long-lived, modeless dialog for Shockwave,
// plug-ins, video and sound. The showing command sets MediaMode; OK builds the
// markup for that mode and writes it into the document active at that moment.
#include <QDialog>
#include <QString>

#include "ui/common/dialog_kit.h"

class QLineEdit;
class QPushButton;

namespace markloom {

class MultimediaDialog : public QDialog {
  Q_OBJECT
 public:
  MultimediaDialog(QWidget* parent, builders::DocumentSource source);

  // "SHOCK", "PLUGS", "VIDEO" or "SOUND"; set before each showing.
  QString MediaMode;

  // Sets the mode and shows the dialog without blocking. The source field is
  // emptied only when the dialog was hidden.
  void showFor(const QString& mode);

 public slots:
  void Button1Click();  // Browse: "file://" + the chosen path into Source
  void Button2Click();  // OK
  void Button3Click();  // Cancel: hide

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  builders::DocumentSource source_;
  QLineEdit* EditSource;
};

}  // namespace markloom
