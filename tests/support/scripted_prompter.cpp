#include "scripted_prompter.h"

#include <gtest/gtest.h>

namespace markloom::test {

ScriptedPrompter::ScriptedPrompter() { Prompter::install(this); }
ScriptedPrompter::~ScriptedPrompter() { Prompter::install(nullptr); }

Prompter::Answer ScriptedPrompter::message(const QString& caption, const QString& text, Icon icon, Buttons buttons) {
  messages.push_back({caption, text, icon, buttons});
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected message box: " << text.toStdString();
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  }
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

void ScriptedPrompter::showError(const QString& text) { errors << text; }
void ScriptedPrompter::beep() { ++beeps; }

namespace {
QString takeName(std::deque<QString>& names, const QString& caption) {
  if (names.empty()) {
    ADD_FAILURE() << "unexpected file chooser: " << caption.toStdString();
    return {};
  }
  QString n = names.front();
  names.pop_front();
  return n;
}
}  // namespace

QString ScriptedPrompter::openFileName(const QString& caption, const QString& folder, const QString& filter) {
  fileCaptions << caption;
  lastProposed = folder;
  lastFilter = filter;
  return takeName(fileNames, caption);
}

QStringList ScriptedPrompter::openFileNames(const QString& caption, const QString& folder, const QString& filter) {
  fileCaptions << caption;
  lastProposed = folder;
  lastFilter = filter;
  if (fileLists.empty()) {
    ADD_FAILURE() << "unexpected multi-file chooser: " << caption.toStdString();
    return {};
  }
  QStringList l = fileLists.front();
  fileLists.pop_front();
  return l;
}

QString ScriptedPrompter::saveFileName(const QString& caption, const QString& proposed, const QString& filter) {
  fileCaptions << caption;
  lastProposed = proposed;
  lastFilter = filter;
  return takeName(fileNames, caption);
}

QString ScriptedPrompter::existingFolder(const QString& caption, const QString& folder) {
  fileCaptions << caption;
  lastProposed = folder;
  return takeName(fileNames, caption);
}

std::optional<QString> ScriptedPrompter::inputText(const QString& caption, const QString& label,
                                                   const QString& initial) {
  inputLabels << label;
  lastProposed = initial;
  if (inputs.empty()) {
    ADD_FAILURE() << "unexpected input box: " << caption.toStdString();
    return std::nullopt;
  }
  auto v = inputs.front();
  inputs.pop_front();
  return v;
}

std::optional<QColor> ScriptedPrompter::color(const QColor&) {
  if (colors.empty()) {
    ADD_FAILURE() << "unexpected colour chooser";
    return std::nullopt;
  }
  auto c = colors.front();
  colors.pop_front();
  return c;
}

}  // namespace markloom::test
