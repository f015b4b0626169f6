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
  tags::AppletFields fields() const;
  void setFields(const tags::AppletFields& fields);

 public slots:
  void browseApplet();
  void browseCodeBase();

 private:
  QLineEdit* appletEdit_;
  QLineEdit* codeBaseEdit_;
  QLineEdit* altTextEdit_;
  QLineEdit* nameEdit_;
  QLineEdit* widthEdit_;
  QLineEdit* heightEdit_;
  QLineEdit* vSpaceEdit_;
  QLineEdit* hSpaceEdit_;
  QComboBox* alignmentBox_;
};

}  // namespace markloom
