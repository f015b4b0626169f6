#pragma once
// A Prompter for tests: answers come from queues filled by the test, and every
// question asked is recorded. An unexpected question fails the test.
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "ui/common/prompter.h"

namespace markloom::test {

class ScriptedPrompter : public Prompter {
 public:
  struct Asked {
    QString caption;
    QString text;
    Icon icon;
    Buttons buttons;
  };

  ScriptedPrompter();            // installs itself
  ~ScriptedPrompter() override;  // restores the Qt prompter

  // Queues.
  std::deque<Answer> answers;
  std::deque<QString> fileNames;  // for openFileName, saveFileName, existingFolder ("" = Cancel)
  std::deque<QStringList> fileLists;
  std::deque<std::optional<QString>> inputs;
  std::deque<std::optional<QColor>> colors;

  // Records.
  std::vector<Asked> messages;
  QStringList errors;
  QStringList fileCaptions;  // caption of every chooser shown
  QStringList inputLabels;
  int beeps = 0;

  Answer message(const QString& caption, const QString& text, Icon icon, Buttons buttons) override;
  void showError(const QString& text) override;
  void beep() override;
  QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
  QStringList openFileNames(const QString& caption, const QString& folder, const QString& filter) override;
  QString saveFileName(const QString& caption, const QString& proposed, const QString& filter) override;
  QString existingFolder(const QString& caption, const QString& folder) override;
  std::optional<QString> inputText(const QString& caption, const QString& label, const QString& initial) override;
  std::optional<QColor> color(const QColor& initial) override;

  // Last proposals handed to choosers and input boxes.
  QString lastProposed;
  QString lastFilter;
};

}  // namespace markloom::test
