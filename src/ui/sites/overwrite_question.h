#pragma once
// The question before a transfer replaces a file: Overwrite, Overwrite if
// Newer, Skip or Rename, with "Apply to all" when more files follow, and
// Cancel to stop the batch. Tests answer it through setAnswerer().
#include <QString>
#include <functional>

#include "core/sites/transfer_batch.h"

class QWidget;

namespace markloom {

class OverwriteQuestion {
 public:
  struct Answer {
    OverwriteChoice choice = OverwriteChoice::Skip;
    bool forAll = false;
    bool cancelled = false;
  };
  using Answerer = std::function<Answer(const QString& text, bool batch)>;

  // text names the file and both times; batch offers "Apply to all".
  static Answer ask(QWidget* parent, const QString& text, bool batch);
  // Replaces the dialog (tests); an empty answerer restores it.
  static void setAnswerer(Answerer answerer);
};

}  // namespace markloom
