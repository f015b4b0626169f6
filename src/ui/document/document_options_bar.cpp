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
          &DocumentWindow::dxBarButton1Click);
  connect(addToggle(optionsBar_, "dxBarButton2", QStringLiteral("Gutter"), true, true), &QAction::toggled, this,
          &DocumentWindow::dxBarButton2Click);
  addToggle(optionsBar_, "dxBarButton3", QStringLiteral("Full Screen"), false, false);
  connect(addToggle(optionsBar_, "dxBarButton4", QStringLiteral("Word Wrap"), true, true), &QAction::toggled, this,
          &DocumentWindow::dxBarButton4Click);
  addToggle(optionsBar_, "dxBarButton5", QStringLiteral("Split Screen"), false, false);
  connect(addToggle(optionsBar_, "dxBarButton6", QStringLiteral("Special Characters"), false, true),
          &QAction::toggled, this, &DocumentWindow::dxBarButton6Click);
  optionsBar_->addSeparator();
  QAction* wml = optionsBar_->addAction(QStringLiteral("WML Preview"));
  wml->setObjectName("dxBarButton7");
  wml->setToolTip(QStringLiteral("WML Preview"));
  connect(wml, &QAction::triggered, this, [this] { guarded([&] { dxBarButton7Click(); }); });
  optionsBar_->addSeparator();
  ComboHighlight = new QComboBox(optionsBar_);
  ComboHighlight->setObjectName("ComboHighlight");
  ComboHighlight->setToolTip(QStringLiteral("Highlighters"));
  ComboHighlight->setFixedWidth(142);
  ComboHighlight->addItem(QStringLiteral("Default"));
  optionsBar_->addWidget(ComboHighlight);
}

void DocumentWindow::dxBarButton1Click(bool down) {
  RichEdit1->setMarginLineNumbers(0, down);
  RichEdit1->setMarginWidth(0, down ? QStringLiteral("00000") : QString());
}

void DocumentWindow::dxBarButton2Click(bool down) {
  // Without the gutter no margin is drawn; line numbers come back with it.
  if (!down) {
    for (int m = 0; m < 3; ++m) RichEdit1->setMarginWidth(m, 0);
    return;
  }
  RichEdit1->setMarginWidth(1, 16);
  if (RichEdit1->marginLineNumbers(0)) RichEdit1->setMarginWidth(0, QStringLiteral("00000"));
}

void DocumentWindow::dxBarButton4Click(bool down) {
  RichEdit1->setWrapMode(down ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
}

void DocumentWindow::dxBarButton6Click(bool down) { RichEdit1->setSpecialSymbols(down); }

void DocumentWindow::dxBarButton7Click() {
  const std::string card = ops_->SelectedText();
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
