#include "ui/webtools/download_timer_command.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include "core/common/command_ids.h"
#include "core/common/error.h"
#include "core/text/file_writer.h"
#include "core/text/line_list.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/webtools/download_timer_dialog.h"
#include "ui/workbench/workbench.h"

namespace markloom {

DownloadTimerCommand::DownloadTimerCommand(Workbench& workbench)
    : QObject(workbench.mainWidget()), workbench_(workbench) {
  setObjectName("DownloadTimerCommand");
  if (QAction* command = workbench.action(ids::kDownloadTimer))
    connect(command, &QAction::triggered, this, &DownloadTimerCommand::showDownloadTimes);
}

void DownloadTimerCommand::showDownloadTimes() {
  DocumentWindow* active = workbench_.activeDocument();
  if (!active) return;
  DownloadTimerDialog dialog(workbench_.mainWidget());
  // The size is the work file's length, as the page would be saved; a file
  // that cannot be written leaves the figures at their first texts.
  try {
    const QString work = workbench_.workFilePath(kWorkFile);
    writeWorkFile(QFile::encodeName(work).toStdString(), formatLineList(active->document().editorOps().lines()));
    const QFileInfo written(work);
    if (!written.exists()) throw cannotOpenFile(QFile::encodeName(work).toStdString());
    dialog.showTimes(downloadTimes(static_cast<std::uint64_t>(written.size())));
  } catch (const Error& e) {
    Prompter::instance().showError(QString::fromLocal8Bit(e.what()));
  }
  dialog.exec();
}

}  // namespace markloom
