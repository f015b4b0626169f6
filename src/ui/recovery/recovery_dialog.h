#pragma once
// "Recover Documents": the documents a previous run left unsaved when it
// ended without closing, listed by file name, with Restore and Discard.
#include <QDialog>
#include <QStringList>

namespace markloom {

class RecoveryDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RecoveryDialog(const QStringList& names, QWidget* parent = nullptr);
};

}  // namespace markloom
