#pragma once
// "Page Transitions Control": the event, the duration and the transition type.
#include <QDialog>

#include "core/markup/builders/transition_builder.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace markloom {

class TForm31 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm31(QWidget* parent = nullptr);
  markup::TransitionFields fields() const;
  void setFields(const markup::TransitionFields& fields);

 private:
  QComboBox* ComboBox971;
  QLineEdit* Edit971;
  QListWidget* ListBox1;
};

}  // namespace markloom
