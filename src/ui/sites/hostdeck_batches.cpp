// The Hostdeck window's batches: Get, Put and Delete of every selected file
// and folder, folders whole, with one progress for the batch, Cancel, and a
// question before a file is replaced.
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>
#include <algorithm>
#include <memory>

#include "core/common/error.h"
#include "core/sites/local_site_tree.h"
#include "core/sites/remote_path.h"
#include "core/sites/transfer_batch.h"
#include "platform/net/remote_site_tree.h"
#include "ui/common/prompter.h"
#include "ui/sites/file_pane.h"
#include "ui/sites/hostdeck_window.h"
#include "ui/sites/overwrite_question.h"
#include "ui/sites/transfer_worker.h"

namespace markloom {

namespace {
using Chosen = std::vector<FilePane::Selected>;

std::string text(const QString& s) { return s.toStdString(); }
std::string localPath(const QString& folder, const std::string& relative) {
  return QFile::encodeName(QDir(folder).filePath(QString::fromStdString(relative))).toStdString();
}

// The chosen entries of a local folder and everything under the chosen folders.
SiteTree localTree(const QString& folder, const Chosen& chosen) {
  SiteTree tree;
  for (const FilePane::Selected& entry : chosen) {
    const std::string name = text(entry.name);
    const std::string full = localPath(folder, name);
    struct stat info {};
    if (::stat(full.c_str(), &info) != 0) continue;
    if (!S_ISDIR(info.st_mode)) {
      tree.push_back({name, false, static_cast<std::uint64_t>(info.st_size), info.st_mtime});
      continue;
    }
    tree.push_back({name, true, 0, info.st_mtime});
    for (SiteEntry inner : scanLocalSite(full)) {
      inner.path = name + "/" + inner.path;
      tree.push_back(std::move(inner));
    }
  }
  return tree;
}

// The same for a remote folder, over the session.
SiteTree remoteTree(TransferClient& client, const std::string& folder, const Chosen& chosen) {
  SiteTree tree;
  const std::vector<RemoteEntry> here = client.listAt(folder);
  for (const FilePane::Selected& entry : chosen) {
    const std::string name = text(entry.name);
    const auto found = std::find_if(here.begin(), here.end(), [&](const RemoteEntry& e) { return e.name == name; });
    if (found == here.end()) continue;
    tree.push_back({name, found->folder, found->size, listingSeconds(found->modified)});
    if (!found->folder) continue;
    bool exists = true;
    for (SiteEntry inner : listRemoteSite(client, joinRemotePath(folder, name), exists)) {
      inner.path = name + "/" + inner.path;
      tree.push_back(std::move(inner));
    }
  }
  return tree;
}

QString when(std::int64_t seconds) {
  return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}
}  // namespace

void HostdeckWindow::getFile() { startBatch(false); }
void HostdeckWindow::putFile() { startBatch(true); }

void HostdeckWindow::startBatch(bool upload) {
  if (busy() || !connected_) return;
  FilePane* from = upload ? local_ : remote_;
  const Chosen chosen = from->selectedEntries();
  if (chosen.empty()) return;
  const char* verb = upload ? "Uploading" : "Getting";
  const QString what = chosen.size() == 1 ? chosen.front().name : QString("%1 items").arg(chosen.size());
  statusText_->setText(QString("%1 %2").arg(verb, what));
  addLog(QString("%1 %2").arg(verb, what));
  progress_->setValue(0);
  const QString localFolder = local_->folder();
  const std::string remoteFolder = text(remote_->folder());
  TransferWorker* worker = worker_;
  QWidget* window = this;
  runJob(
      [=](TransferClient& client, TransferOutcome& outcome) {
        // What moves, and what the other side already holds at those places.
        const SiteTree local = localTree(localFolder, chosen);
        const SiteTree remote = remoteTree(client, remoteFolder, chosen);
        TransferBatch batch = upload ? matchBatch(local, remote) : matchBatch(remote, local);
        const SiteTree& target = upload ? remote : local;
        auto taken = [&](const std::string& path) {
          return std::any_of(target.begin(), target.end(), [&](const SiteEntry& e) { return e.path == path; }) ||
                 std::any_of(batch.items.begin(), batch.items.end(),
                             [&](const BatchItem& i) { return i.targetPath == path; });
        };
        std::optional<OverwriteChoice> forAll;
        const bool several = batch.conflicts() > 1;
        for (BatchItem& item : batch.items) {
          if (!item.exists || item.source.folder) continue;
          if (!forAll) {
            const QString question = QString("%1 already exists.\n\nExisting: %2\nNew: %3\n\nReplace it?")
                                         .arg(QString::fromStdString(item.source.path), when(item.targetModified),
                                              when(item.source.modified));
            OverwriteQuestion::Answer answer;
            worker->askOnWindow([&] {
              answer = OverwriteQuestion::ask(window, question, several);
              return 0;
            });
            if (answer.cancelled) {
              outcome.cancelled = true;
              return;
            }
            if (answer.forAll) forAll = answer.choice;
            applyChoice(item, answer.choice, taken);
          } else {
            applyChoice(item, *forAll, taken);
          }
        }
        batch.recount();
        std::uint64_t done = 0;
        for (const BatchItem& item : batch.items) {
          if (worker->cancelRequested()) break;
          if (item.skip) continue;
          const std::string remotePath = joinRemotePath(remoteFolder, item.targetPath);
          const std::string localTarget = localPath(localFolder, upload ? item.source.path : item.targetPath);
          try {
            if (item.source.folder) {
              if (item.exists) continue;
              if (upload)
                client.makeFolderAt(joinRemotePath(remoteFolder, item.targetPath));
              else if (!QDir().mkpath(QString::fromStdString(localTarget)))
                throw Error("Cannot create folder " + localTarget);
              continue;
            }
            worker->setBatch(done, batch.bytes);
            if (upload)
              client.putAt(localTarget, remotePath);
            else
              client.getAt(joinRemotePath(remoteFolder, item.source.path), localTarget);
            ++outcome.moved;
          } catch (const Error& e) {
            ++outcome.failed;
            outcome.problems << QString::fromLocal8Bit(e.what());
          }
          done += item.source.size;
        }
        if (batch.bytes > 0) worker->setBatch(done, batch.bytes);
        outcome.entries = client.list();  // the remote pane shows what is there now
      },
      [this, upload](const TransferOutcome& outcome) {
        finishBatch(outcome, upload ? "Uploaded" : "Got");
        if (outcome.connected && outcome.ok) showRemote(outcome);
        refreshLocal();
      });
}

void HostdeckWindow::finishBatch(const TransferOutcome& outcome, const char* doneVerb) {
  for (const QString& problem : outcome.problems) addLog(problem);
  if (!outcome.ok) logTransferFailure(outcome);
  QString status;
  if (!outcome.ok)
    status = "Failed";
  else if (outcome.cancelled)
    status = QString("Cancelled after %1 files").arg(outcome.moved);
  else if (outcome.failed > 0)
    status = QString("%1 %2 files, %3 failed").arg(doneVerb).arg(outcome.moved).arg(outcome.failed);
  else
    status = QString("%1 %2 files").arg(doneVerb).arg(outcome.moved);
  statusText_->setText(status);
  addLog(status);
  progress_->setValue(outcome.ok && !outcome.cancelled && outcome.failed == 0 ? 100 : 0);
}

void HostdeckWindow::deleteSelected() {
  if (activePane_ == local_)
    deleteLocal();
  else
    deleteRemote();
}

namespace {
// "Delete a.html?" or "Delete the 3 selected items?", folders with what they hold.
bool confirmDelete(const Chosen& chosen, const QString& where) {
  const bool folders = std::any_of(chosen.begin(), chosen.end(), [](const auto& e) { return e.folder; });
  const QString what = chosen.size() == 1 ? chosen.front().name : QString("the %1 selected items").arg(chosen.size());
  const QString text = QString("Delete %1 %2?%3")
                           .arg(what, where, folders ? "\nFolders are deleted with everything in them." : "");
  return Prompter::instance().message("Confirm Delete", text, Prompter::Icon::Question, Prompter::Buttons::YesNo) ==
         Prompter::Answer::Yes;
}
}  // namespace

void HostdeckWindow::deleteRemote() {
  if (busy() || !connected_) return;
  const Chosen chosen = remote_->selectedEntries();
  if (chosen.empty() || !confirmDelete(chosen, "from the server")) return;
  const std::string folder = text(remote_->folder());
  TransferWorker* worker = worker_;
  statusText_->setText("Deleting");
  runJob(
      [=](TransferClient& client, TransferOutcome& outcome) {
        for (const FilePane::Selected& entry : chosen) {
          if (worker->cancelRequested()) break;
          const std::string top = joinRemotePath(folder, text(entry.name));
          try {
            if (entry.folder) {
              bool exists = true;
              SiteTree inside = listRemoteSite(client, top, exists);
              // What a folder holds goes before the folder, deepest first.
              std::sort(inside.begin(), inside.end(),
                        [](const SiteEntry& a, const SiteEntry& b) { return a.path > b.path; });
              for (const SiteEntry& inner : inside) {
                const std::string path = joinRemotePath(top, inner.path);
                inner.folder ? client.removeFolderAt(path) : client.removeFileAt(path);
              }
              client.removeFolderAt(top);
            } else {
              client.removeFileAt(top);
            }
            ++outcome.moved;
          } catch (const Error& e) {
            ++outcome.failed;
            outcome.problems << QString::fromLocal8Bit(e.what());
          }
        }
        outcome.entries = client.list();
      },
      [this](const TransferOutcome& outcome) {
        finishBatch(outcome, "Deleted");
        if (outcome.connected) showRemote(outcome);
      });
}

void HostdeckWindow::deleteLocal() {
  if (busy()) return;
  const Chosen chosen = local_->selectedEntries();
  if (chosen.empty() || !confirmDelete(chosen, "from this computer")) return;
  TransferOutcome outcome;
  for (const FilePane::Selected& entry : chosen) {
    const QString path = QDir(local_->folder()).filePath(entry.name);
    const QFileInfo info(path);
    QFile file(path);
    const bool folder = info.isDir() && !info.isSymLink();
    const bool removed = folder ? QDir(path).removeRecursively() : file.remove();
    if (removed) {
      ++outcome.moved;
    } else {
      ++outcome.failed;
      // A folder partly removed says so; a file gives the system's reason.
      outcome.problems << (folder ? QString("Cannot delete all of folder %1").arg(path)
                                  : QString("Cannot delete %1: %2").arg(path, file.errorString()));
    }
  }
  finishBatch(outcome, "Deleted");
  refreshLocal();
}

}  // namespace markloom
