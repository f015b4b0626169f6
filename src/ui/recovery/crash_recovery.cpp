#include "ui/recovery/crash_recovery.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include "core/text/file_io.h"
#include "core/text/file_writer.h"
#include "core/workspace/recovery_record.h"
#include "platform/editor/markloom_editor.h"
#include "platform/files/program_folder.h"
#include "ui/common/command_guard.h"
#include "ui/document/document.h"
#include "ui/document/document_window.h"
#include "ui/recovery/recovery_dialog.h"
#include "ui/workbench/workbench.h"

namespace markloom {

namespace {

constexpr const char* kCopySuffix = ".recovery";
constexpr const char* kSessionSuffix = ".session";

std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }

// True when a live process holds the session's lock file.
bool sessionAlive(const QString& lockPath) {
  const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0;
  ::close(fd);
  return held;
}

// A recovery copy's session: the part of its name before the last '-'.
QString sessionOf(const QString& copyName) {
  const QString stem = copyName.left(copyName.size() - static_cast<qsizetype>(qstrlen(kCopySuffix)));
  return stem.left(stem.lastIndexOf('-'));
}

}  // namespace

CrashRecovery* CrashRecovery::attach(Workbench& workbench) {
  if (auto* existing = workbench.mainWidget()->findChild<CrashRecovery*>(QString(), Qt::FindDirectChildrenOnly))
    return existing;
  auto* recovery = new CrashRecovery(workbench);
  QTimer::singleShot(0, recovery, [recovery] { guarded([recovery] { recovery->offerLeftovers(); }); });
  return recovery;
}

CrashRecovery::CrashRecovery(Workbench& workbench) : QObject(workbench.mainWidget()), workbench_(workbench) {
  session_ = QString("%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch());
  int interval = kDefaultIntervalMs;
  bool ok = false;
  const int overridden = qEnvironmentVariableIntValue("MARKLOOM_RECOVERY_INTERVAL_MS", &ok);
  if (ok && overridden > 0) interval = overridden;
  timer_.setInterval(interval);
  connect(&timer_, &QTimer::timeout, this, [this] { saveNow(); });
  timer_.start();
}

CrashRecovery::~CrashRecovery() {
  writer_.stop();
  for (Copy& copy : copies_) removeFile(copy);
  if (lockFd_ >= 0) {
    QFile::remove(folder() + "/" + session_ + kSessionSuffix);
    ::close(lockFd_);
  }
}

QString CrashRecovery::folder() {
  return workFolder() + "recovery";
}

void CrashRecovery::setInterval(int ms) { timer_.start(ms); }

CrashRecovery::Copy& CrashRecovery::copyOf(DocumentWindow* window) {
  auto it = copies_.find(window);
  if (it != copies_.end()) return *it;
  Copy copy;
  copy.path = folder() + "/" + session_ + "-" + QString::number(++serial_) + kCopySuffix;
  // Saved or closed, the document's copy goes at once.
  connect(window, &QObject::destroyed, this, [this, window] { dropCopy(window); });
  connect(&window->document(), &Document::modifiedChanged, this, [this, window] {
    if (!window->document().isModified()) dropCopy(window);
  });
  return *copies_.insert(window, copy);
}

void CrashRecovery::removeFile(Copy& copy) {
  if (copy.written) writer_.remove(local(copy.path));
  copy.written = false;
}

void CrashRecovery::dropCopy(DocumentWindow* window) {
  auto it = copies_.find(window);
  if (it == copies_.end()) return;
  removeFile(*it);
}

void CrashRecovery::saveNow() {
  bool anyModified = false;
  for (DocumentWindow* doc : workbench_.documents()) anyModified = anyModified || doc->document().isModified();
  if (anyModified && lockFd_ < 0) {
    // The folder and this run's lock are made with the first copy.
    const QString dir = folder();
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    lockFd_ = ::open(QFile::encodeName(dir + "/" + session_ + kSessionSuffix).constData(), O_RDWR | O_CREAT | O_CLOEXEC,
                     0600);
    if (lockFd_ >= 0) ::flock(lockFd_, LOCK_EX | LOCK_NB);
  }
  for (DocumentWindow* doc : workbench_.documents()) {
    Copy& copy = copyOf(doc);
    if (!doc->document().isModified()) {
      removeFile(copy);
      continue;
    }
    const std::string fileName = doc->document().isUntitled() ? std::string() : doc->document().fileName().toStdString();
    // The snapshot is the only work done here: one copy of the editor's
    // buffer (about 0.1 s for 512 MB). The writer thread compares it with
    // the copy it last wrote and writes it only when it differs; a full disk
    // is logged there, never a box every 30 seconds.
    std::string content = recoveryHeader(fileName);
    content.reserve(content.size() + static_cast<std::size_t>(doc->editor()->length()));
    doc->editor()->appendBytes(content);
    writer_.write(local(copy.path), std::move(content));
    copy.written = true;
  }
}

void CrashRecovery::restore(const RecoveryRecord& record) {
  DocumentWindow* doc = nullptr;
  if (record.fileName.empty()) {
    doc = workbench_.createDocument();
  } else {
    // The file's window, when the session already reopened it (or opens it
    // now): one window per file, holding the recovered text. Opened from
    // disk first so that a later change to the file is still noticed.
    doc = workbench_.openOrActivate(QString::fromStdString(record.fileName));
  }
  if (doc) doc->document().loadUntitled(record.bytes);
}

int CrashRecovery::offerLeftovers() {
  const QDir dir(folder());
  struct Leftover {
    QString path;
    RecoveryRecord record;
  };
  QList<Leftover> leftovers;
  QStringList deadSessions;
  for (const QString& name : dir.entryList({QString("*") + kCopySuffix}, QDir::Files, QDir::Name)) {
    const QString session = sessionOf(name);
    if (session == session_ || sessionAlive(dir.filePath(session + kSessionSuffix))) continue;
    if (!deadSessions.contains(session)) deadSessions << session;
    try {
      if (auto record = decodeRecovery(readFile(local(dir.filePath(name)))))
        leftovers.push_back({dir.filePath(name), std::move(*record)});
      else
        QFile::remove(dir.filePath(name));  // not one of ours, or cut short
    } catch (const std::exception&) {
    }
  }
  int restored = 0;
  if (!leftovers.isEmpty()) {
    QList<RecoveryDialog::Entry> entries;
    for (const Leftover& l : leftovers)
      entries.push_back({QString::fromStdString(l.record.fileName), QFileInfo(l.path).lastModified()});
    RecoveryDialog dialog(entries, workbench_.mainWidget());
    if (dialog.exec() == QDialog::Accepted) {
      for (const int row : dialog.ticked()) {
        const Leftover& l = leftovers[row];
        restore(l.record);
        ++restored;
      }
    }
    for (const Leftover& l : leftovers) QFile::remove(l.path);
  }
  for (const QString& session : deadSessions) QFile::remove(dir.filePath(session + kSessionSuffix));
  // Sessions that ended without leaving a copy.
  for (const QString& name : dir.entryList({QString("*") + kSessionSuffix}, QDir::Files)) {
    const QString session = name.left(name.size() - static_cast<qsizetype>(qstrlen(kSessionSuffix)));
    if (session != session_ && !sessionAlive(dir.filePath(name))) QFile::remove(dir.filePath(name));
  }
  // Restored documents are modified: their copies are this run's from now on.
  if (restored > 0) saveNow();
  return restored;
}

}  // namespace markloom
