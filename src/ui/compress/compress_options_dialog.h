#pragma once
// CompressOptionsDialog, "HTML Document Compressor": a text, the check list of the eight
// compressor switches and OK/Cancel. A new dialog is made for every run, so the
// marks always start the same; SetUpClean copies them to HTMLCompressor.
#include <QDialog>

#include "core/compress/compress_options.h"
#include "core/compress/html_compressor.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace markloom {

class CompressOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CompressOptionsDialog(QWidget* parent = nullptr);

  // The check marks as switches, and back.
  CompressOptions fields() const;
  void setFields(const CompressOptions& options);

  // Copies each item's check mark to its compressor switch (checked = on).
  void SetUpClean();

  HtmlCompressor HTMLCompressor;

  QLabel* StaticText1 = nullptr;
  QListWidget* CheckList = nullptr;
  QPushButton* Button1 = nullptr;  // "&OK"
  QPushButton* Button2 = nullptr;  // "&Cancel"

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace markloom
