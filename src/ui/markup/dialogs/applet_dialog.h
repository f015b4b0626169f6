#pragma once
// "Insert Java Applet...": the applet's class, code base and attributes.
#include <QDialog>

#include "core/markup/tags/applet_builder.h"

class QComboBox;
class QLineEdit;

namespace markloom {

class AppletDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AppletDialog(QWidget* parent = nullptr);
  markup::AppletFields fields() const;
  void setFields(const markup::AppletFields& fields);

 public slots:
  void Button1Click();  // Browse for the applet
  void Button2Click();  // Browse for the code base

 private:
  QLineEdit* EditApplet;
  QLineEdit* EditCodeBase;
  QLineEdit* EditAlternativeText;
  QLineEdit* EditName;
  QLineEdit* EditWidth;
  QLineEdit* EditHeight;
  QLineEdit* EditVSpace;
  QLineEdit* EditHSpace;
  QComboBox* EditAlign;
};

}  // namespace markloom
