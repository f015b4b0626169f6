#include "ui/document/find_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/editor/markloom_editor.h"
#include "ui/common/prompter.h"

namespace markloom {

FindDialog::FindDialog(MarkloomEditor* editor, bool replaceMode, QWidget* parent)
    : QDialog(parent), editor_(editor) {
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
}

void FindDialog::setFindText(const QString& text) { findBox_->setEditText(text); }

void FindDialog::remember(QComboBox* box) {
  const QString t = box->currentText();
  if (t.isEmpty() || box->findText(t) >= 0) return;
  box->insertItem(0, t);
}

bool FindDialog::search(bool fromStart, bool quiet) {
  if (!editor_ || findBox_->currentText().isEmpty()) return false;
  remember(findBox_);
  const bool forward = !backBox_->isChecked();
  int line = -1, index = -1;
  if (fromStart) {
    line = 0;
    index = 0;
  } else if (!forward && editor_->hasSelectedText()) {
    // Backward from the start of the selection, so the same match is not found again.
    int l1, i1, l2, i2;
    editor_->getSelection(&l1, &i1, &l2, &i2);
    line = l1;
    index = i1;
  }
  matched_ = editor_->findFirst(findBox_->currentText(), regexBox_->isChecked(), caseBox_->isChecked(),
                                wholeBox_->isChecked(), false, forward, line, index, true);
  if (!matched_ && !quiet)
    Prompter::instance().message(windowTitle(),
                                 QStringLiteral("Search string '%1' not found").arg(findBox_->currentText()),
                                 Prompter::Icon::Information, Prompter::Buttons::Ok);
  return matched_;
}

bool FindDialog::findNext() { return search(false, false); }

bool FindDialog::replaceOne() {
  if (!editor_ || !replaceBox_) return false;
  remember(replaceBox_);
  if (!matched_ || !editor_->hasSelectedText()) return findNext();
  editor_->replace(replaceBox_->currentText());
  matched_ = false;
  return findNext();
}

int FindDialog::replaceAll() {
  if (!editor_ || !replaceBox_ || findBox_->currentText().isEmpty()) return 0;
  remember(replaceBox_);
  int count = 0;
  const long length = editor_->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
  editor_->beginUndoAction();
  bool found = editor_->findFirst(findBox_->currentText(), regexBox_->isChecked(), caseBox_->isChecked(),
                                  wholeBox_->isChecked(), false, true, 0, 0, false);
  // Every replacement moves on past the text it wrote, so the loop ends; the
  // bound guards against patterns that match nothing over and over.
  while (found && count <= length + 1) {
    editor_->replace(replaceBox_->currentText());
    ++count;
    found = editor_->findNext();
  }
  editor_->endUndoAction();
  matched_ = false;
  Prompter::instance().message(windowTitle(), QStringLiteral("%1 occurrence(s) replaced.").arg(count),
                               Prompter::Icon::Information, Prompter::Buttons::Ok);
  return count;
}

}  // namespace markloom
