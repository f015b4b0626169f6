#pragma once
// "Tidyrig Configuration": the options of "F&ix and Format HTML". A new dialog
// is made for every run, so its fields always start from the same values.
#include <QDialog>

#include "core/tidy/tidy_config.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace markloom {

class TidyOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TidyOptionsDialog(QWidget* parent = nullptr);

  TidyOptions fields() const;
  void setFields(const TidyOptions& options);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QListWidget* checkList_ = nullptr;
  QButtonGroup* encodings_ = nullptr;
  QLineEdit* wrapEdit_ = nullptr;
  QLineEdit* indentEdit_ = nullptr;
  QLineEdit* altEdit_ = nullptr;
  QComboBox* doctypeBox_ = nullptr;
  QComboBox* outputBox_ = nullptr;
};

}  // namespace markloom
