#include "ui/document/find_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/editor/markloom_editor.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"

namespace markloom {

FindDialog::FindDialog(DocumentWindow* window, bool replaceMode, QWidget* parent) : QDialog(parent), window_(window) {
  setObjectName(replaceMode ? "ReplaceDialog" : "FindDialog");
  setWindowTitle(replaceMode ? QStringLiteral("Replace Text") : QStringLiteral("Find Text"));
  auto* form = new QFormLayout;
  findBox_ = new QComboBox(this);
  findBox_->setObjectName("FindText");
  findBox_->setEditable(true);
  findBox_->setMinimumWidth(260);
  form->addRow(QStringLiteral("&Text to find:"), findBox_);
  if (replaceMode) {
    replaceBox_ = new QComboBox(this);
    replaceBox_->setObjectName("ReplaceText");
    replaceBox_->setEditable(true);
    form->addRow(QStringLiteral("&Replace with:"), replaceBox_);
  }
  caseBox_ = new QCheckBox(QStringLiteral("C&ase sensitive"), this);
  wholeBox_ = new QCheckBox(QStringLiteral("&Whole words only"), this);
  regexBox_ = new QCheckBox(QStringLiteral("Regular e&xpressions"), this);
  backBox_ = new QCheckBox(QStringLiteral("Search &backward"), this);
  caseBox_->setObjectName("CaseSensitive");
  wholeBox_->setObjectName("WholeWords");
  regexBox_->setObjectName("RegularExpressions");
  backBox_->setObjectName("Backward");
  auto* options = new QVBoxLayout;
  for (QCheckBox* b : {caseBox_, wholeBox_, regexBox_, backBox_}) options->addWidget(b);

  auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
  QPushButton* next = buttons->addButton(QStringLiteral("&Find Next"), QDialogButtonBox::ActionRole);
  next->setObjectName("FindNext");
  next->setDefault(true);
  connect(next, &QPushButton::clicked, this, &FindDialog::findNext);
  if (replaceMode) {
    QPushButton* one = buttons->addButton(QStringLiteral("&Replace"), QDialogButtonBox::ActionRole);
    one->setObjectName("ReplaceOne");
    connect(one, &QPushButton::clicked, this, &FindDialog::replaceOne);
    QPushButton* all = buttons->addButton(QStringLiteral("Replace &All"), QDialogButtonBox::ActionRole);
    all->setObjectName("ReplaceAll");
    connect(all, &QPushButton::clicked, this, &FindDialog::replaceAll);
  }
  QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addLayout(form);
  left->addLayout(options);
  auto* top = new QHBoxLayout(this);
  top->addLayout(left, 1);
  top->addWidget(buttons);
  dialogkit::fitToContent(this);
}

void FindDialog::setFindText(const QString& text) { findBox_->setEditText(text); }

void FindDialog::remember(QComboBox* box) {
  const QString t = box->currentText();
  if (t.isEmpty() || box->findText(t) >= 0) return;
  box->insertItem(0, t);
}

std::string FindDialog::findBytes() const { return window_->document().encode(findBox_->currentText()); }
std::string FindDialog::replaceBytes() const { return window_->document().encode(replaceBox_->currentText()); }

bool FindDialog::search() {
  if (!window_ || findBox_->currentText().isEmpty()) return false;
  remember(findBox_);
  MarkloomEditor& editor = *window_->editor();
  const bool forward = !backBox_->isChecked();
  // Backward from the start of the selection, so the same match is not found
  // again; forward from its end.
  const long from =
      !forward && editor.hasSelectedText() ? editor.selectionStartPosition() : editor.selectionEndPosition();
  emit searched(findBox_->currentText(), flags());
  matched_ = editor.findBytes(findBytes(), flags(), forward, from);
  if (!matched_)
    Prompter::instance().message(windowTitle(),
                                 QStringLiteral("Search string '%1' not found").arg(findBox_->currentText()),
                                 Prompter::Icon::Information, Prompter::Buttons::Ok);
  return matched_;
}

MarkloomEditor::SearchFlags FindDialog::flags() const {
  return {regexBox_->isChecked(), caseBox_->isChecked(), wholeBox_->isChecked()};
}

bool FindDialog::findNext() { return search(); }

bool FindDialog::replaceOne() {
  if (!window_ || !replaceBox_) return false;
  remember(replaceBox_);
  MarkloomEditor& editor = *window_->editor();
  if (!matched_ || !editor.hasSelectedText()) return findNext();
  editor.replaceSelectedBytes(replaceBytes(), regexBox_->isChecked());
  matched_ = false;
  return findNext();
}

int FindDialog::replaceAll() {
  if (!window_ || !replaceBox_ || findBox_->currentText().isEmpty()) return 0;
  remember(replaceBox_);
  MarkloomEditor& editor = *window_->editor();
  const std::string pattern = findBytes(), replacement = replaceBytes();
  const bool regex = regexBox_->isChecked();
  int count = 0;
  const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
  editor.beginUndoAction();
  // Every replacement moves on past the text it wrote, so the loop ends; the
  // bound guards against patterns that match nothing over and over.
  long from = 0;
  while (count <= length + 1 && editor.findBytes(pattern, flags(), true, from, false)) {
    from = editor.selectionStartPosition() + editor.replaceSelectedBytes(replacement, regex);
    ++count;
  }
  editor.endUndoAction();
  matched_ = false;
  Prompter::instance().message(windowTitle(), QStringLiteral("%1 occurrence(s) replaced.").arg(count),
                               Prompter::Icon::Information, Prompter::Buttons::Ok);
  return count;
}

}  // namespace markloom
