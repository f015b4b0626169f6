#pragma once
// "Reference External Stylesheet...": the style sheet file to link.
#include <QDialog>
#include <string>

class QLineEdit;

namespace markloom {

class StyleSheetDialog : public QDialog {
  Q_OBJECT
 public:
  explicit StyleSheetDialog(QWidget* parent = nullptr);
  std::string fileName() const;
  void setFileName(const std::string& fileName);

 public slots:
  void SpeedButton1Click();  // choose the file

 private:
  QLineEdit* Edit1;
};

}  // namespace markloom
