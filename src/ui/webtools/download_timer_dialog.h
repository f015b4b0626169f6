#pragma once
// The "Download Timer" dialog: the size of the active document as saved and
// how long it takes to download over six kinds of line.
#include <QDialog>
#include <array>

#include "core/webtools/download_time.h"

class QLabel;

namespace markloom {

class DownloadTimerDialog : public QDialog {
  Q_OBJECT
 public:
  explicit DownloadTimerDialog(QWidget* parent = nullptr);
  void showTimes(const DownloadTimes& times);
  QString sizeFigure() const;
  QString timeOf(int row) const;

 private:
  QLabel* size_ = nullptr;
  std::array<QLabel*, 6> times_{};
};

}  // namespace markloom
