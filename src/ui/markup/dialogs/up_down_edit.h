#pragma once
// A text box with an up-down control: the box takes any text (a number field
// reports what it cannot read when it changes), the arrows step a whole
// number within a range.
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace markloom {

class UpDownEdit : public QWidget {
  Q_OBJECT
 public:
  // editName names the text box, upDownName the arrows' container.
  UpDownEdit(const QString& editName, const QString& upDownName, int minimum, int maximum, QWidget* parent = nullptr);

  QLineEdit* edit() const { return edit_; }
  QString text() const;
  void setText(const QString& text);

  // One step up or down from the box's number (the minimum when it holds none).
  void stepBy(int steps);

 signals:
  void textChanged(const QString& text);

 private:
  QLineEdit* edit_;
  int minimum_, maximum_;
};

}  // namespace markloom
