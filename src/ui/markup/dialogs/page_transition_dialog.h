#pragma once
// "Page Transitions Control": the event, the duration and the transition type.
#include <QDialog>

#include "core/markup/tags/page_transition_builder.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace markloom {

class PageTransitionDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PageTransitionDialog(QWidget* parent = nullptr);
  tags::TransitionFields fields() const;
  void setFields(const tags::TransitionFields& fields);

 private:
  QComboBox* eventBox_;
  QLineEdit* timeEdit_;
  QListWidget* typeList_;
};

}  // namespace markloom
