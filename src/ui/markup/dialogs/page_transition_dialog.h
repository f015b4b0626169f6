#pragma once
// "Page Transitions Control": the event, the duration and the transition type.
#include <QDialog>

#include "core/markup/tags/transition_builder.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace markloom {

class PageTransitionDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PageTransitionDialog(QWidget* parent = nullptr);
  markup::TransitionFields fields() const;
  void setFields(const markup::TransitionFields& fields);

 private:
  QComboBox* ComboBox971;
  QLineEdit* Edit971;
  QListWidget* ListBox1;
};

}  // namespace markloom
