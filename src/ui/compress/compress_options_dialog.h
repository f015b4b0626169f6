#pragma once
// "HTML Document Compressor": a text, the check list of the eight compressor
// switches and OK/Cancel. A new dialog is made for every run, so the marks
// always start the same.
#include <QDialog>

#include "core/compress/compress_options.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace markloom {

class CompressOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CompressOptionsDialog(QWidget* parent = nullptr);

  // The check marks as switches (checked = on), and back.
  CompressOptions fields() const;
  void setFields(const CompressOptions& options);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* description_ = nullptr;
  QListWidget* switchList_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace markloom
