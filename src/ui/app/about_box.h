#pragma once
#include <QDialog>

namespace markloom {

// "About Tarnwell Markloom 5.0".
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);
  void LabelClick();  // opens the maker's home page

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* link_ = nullptr;
};

}  // namespace markloom
