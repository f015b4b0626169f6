#pragma once
// "Recover Documents": the documents a previous run left unsaved when it
// ended without closing, one ticked entry each (file name, or a numbered
// untitled document, with the time its changes were last kept). Restore
// brings back the ticked ones and drops the rest; Discard drops them all.
#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>

class QListWidget;

namespace markloom {

class RecoveryDialog : public QDialog {
  Q_OBJECT
 public:
  struct Entry {
    QString fileName;  // empty for an untitled document
    QDateTime changed;
  };
  explicit RecoveryDialog(const QList<Entry>& entries, QWidget* parent = nullptr);

  // What an entry shows: "/site/page.htm (2026-12-11 10:41)",
  // "Untitled document 2 (2026-12-11 10:43)"; untitled ones are numbered
  // in the order given.
  static QStringList captions(const QList<Entry>& entries);
  // The rows (in the order given) the user left ticked.
  QList<int> ticked() const;

 private:
  QListWidget* list_;
};

}  // namespace markloom
