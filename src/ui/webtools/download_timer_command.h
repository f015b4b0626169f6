#pragma once
// Tools ▸ "&Download Timer": measures the active document as it would be
// saved (its current text, each line followed by CR LF, through the work file
// tmpsor.htm) and shows the Download Timer dialog.
#include <QObject>

namespace markloom {

class Workbench;

class DownloadTimerCommand : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kWorkFile = "tmpsor.htm";
  explicit DownloadTimerCommand(Workbench& workbench);

 public slots:
  void showDownloadTimes();

 private:
  Workbench& workbench_;
};

}  // namespace markloom
