#pragma once
// Crash recovery for the documents of one workbench. Every interval (30 s)
// the text of each modified document is copied, owner-only and through the
// file writer, to the per-user recovery folder: the window only takes a
// snapshot of the text (one copy of the editor's buffer); a worker thread
// writes it, and only when it differs from the copy last written (see
// RecoveryWriter). A document saved, closed or
// given up loses its copy, and so does every document at a clean exit. At
// start, copies a previous run left behind (its session is no longer held by
// a live process) are offered one by one: restored, each opens modified under
// its own file name, in the file's window when one is open already (the
// reopened session); discarded, they are deleted.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <cstddef>
#include <string>

#include "ui/recovery/recovery_writer.h"

namespace markloom {

class DocumentWindow;
class Workbench;
struct RecoveryRecord;

class CrashRecovery : public QObject {
  Q_OBJECT
 public:
  static constexpr int kDefaultIntervalMs = 30000;

  // Attaches recovery to the workbench (once) and schedules the offer of
  // leftovers for the first idle moment.
  static CrashRecovery* attach(Workbench& workbench);

  explicit CrashRecovery(Workbench& workbench);
  ~CrashRecovery() override;  // a clean end: this run's copies go

  // ~/.local/share/Tarnwell/Markloom 5.0/recovery (XDG_DATA_HOME honoured).
  static QString folder();

  void setInterval(int ms);
  int interval() const { return timer_.interval(); }
  // Hands the copies to the writer now (what the timer does).
  void saveNow();
  // Waits until the copies handed over are written.
  void waitForWrites() { writer_.waitIdle(); }
  // How many copies have been written in this run.
  std::size_t copiesWritten() const { return writer_.written(); }
  // Offers what earlier runs left; returns how many documents were restored.
  int offerLeftovers();

 private:
  struct Copy {
    QString path;
    bool written = false;  // handed to the writer and not removed since
  };
  // The recovered text in a window of its own, or in its file's window.
  void restore(const RecoveryRecord& record);
  Copy& copyOf(DocumentWindow* window);
  void dropCopy(DocumentWindow* window);
  void removeFile(Copy& copy);

  Workbench& workbench_;
  QTimer timer_;
  QString session_;  // "<pid>-<start time>": names this run's files
  int lockFd_ = -1;  // held for the run: marks the session as alive
  int serial_ = 0;
  QHash<DocumentWindow*, Copy> copies_;
  RecoveryWriter writer_;
};

}  // namespace markloom
