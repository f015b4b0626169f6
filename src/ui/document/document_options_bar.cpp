// The Options toolbar of a document window.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QToolBar>

#include "core/text/file_io.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scintilla_editor_ops.h"
#include "platform/files/program_folder.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document.h"
#include "ui/document/document_window.h"

namespace markloom {

namespace {
QAction* addToggle(QToolBar* bar, const char* name, const QString& caption, bool checked, bool enabled) {
  QAction* a = bar->addAction(caption);
  a->setObjectName(name);
  a->setToolTip(caption);
  a->setCheckable(true);
  a->setChecked(checked);
  a->setEnabled(enabled);
  return a;
}
}  // namespace

void DocumentWindow::buildOptionsBar() {
  optionsBar_ = new QToolBar(QStringLiteral("Options"), this);
  optionsBar_->setObjectName("Options");
  connect(addToggle(optionsBar_, "dxBarButton1", QStringLiteral("Line Numbers"), false, true), &QAction::toggled, this,
          &DocumentWindow::showLineNumbers);
  connect(addToggle(optionsBar_, "dxBarButton2", QStringLiteral("Gutter"), true, true), &QAction::toggled, this,
          &DocumentWindow::showGutter);
  addToggle(optionsBar_, "dxBarButton3", QStringLiteral("Full Screen"), false, false);
  connect(addToggle(optionsBar_, "dxBarButton4", QStringLiteral("Word Wrap"), true, true), &QAction::toggled, this,
          &DocumentWindow::setWordWrap);
  addToggle(optionsBar_, "dxBarButton5", QStringLiteral("Split Screen"), false, false);
  connect(addToggle(optionsBar_, "dxBarButton6", QStringLiteral("Special Characters"), false, true),
          &QAction::toggled, this, &DocumentWindow::showSpecialCharacters);
  optionsBar_->addSeparator();
  QAction* wml = optionsBar_->addAction(QStringLiteral("WML Preview"));
  wml->setObjectName("dxBarButton7");
  wml->setToolTip(QStringLiteral("WML Preview"));
  connect(wml, &QAction::triggered, this, [this] { guarded([&] { previewWmlCard(); }); });
  optionsBar_->addSeparator();
  highlighterBox_ = new QComboBox(optionsBar_);
  highlighterBox_->setObjectName("ComboHighlight");
  highlighterBox_->setToolTip(QStringLiteral("Highlighters"));
  highlighterBox_->setFixedWidth(142);
  highlighterBox_->addItem(QStringLiteral("Default"));
  optionsBar_->addWidget(highlighterBox_);
}

void DocumentWindow::showLineNumbers(bool down) {
  editor_->setMarginLineNumbers(0, down);
  editor_->setMarginWidth(0, down ? QStringLiteral("00000") : QString());
}

void DocumentWindow::showGutter(bool down) {
  // Without the gutter no margin is drawn; line numbers come back with it.
  if (!down) {
    for (int m = 0; m < 3; ++m) editor_->setMarginWidth(m, 0);
    return;
  }
  editor_->setMarginWidth(1, 16);
  if (editor_->marginLineNumbers(0)) editor_->setMarginWidth(0, QStringLiteral("00000"));
}

void DocumentWindow::setWordWrap(bool down) {
  editor_->setWrapMode(down ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
}

void DocumentWindow::showSpecialCharacters(bool down) { editor_->setSpecialSymbols(down); }

void DocumentWindow::previewWmlCard() {
  const std::string card = document_->editorOps().SelectedText();
  if (card.empty()) {
    Prompter::instance().message(QApplication::applicationDisplayName(),
                                 QStringLiteral("Please select a WML card.  For example \neverything between "
                                                "<card> and </card> \nincluding these tags."),
                                 Prompter::Icon::None, Prompter::Buttons::Ok);
    return;
  }
  writeFileAtomically(QFile::encodeName(workPath(QStringLiteral("waptmp.tmp"))).toStdString(), card);
  // The card viewer that reads this file is not part of this window.
}

}  // namespace markloom
