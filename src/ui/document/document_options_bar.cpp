// The Options toolbar of a document window.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QToolBar>

#include "core/common/command_ids.h"
#include "core/highlighting/highlighter_table.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scintilla_editor_ops.h"
#include "platform/files/program_folder.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document.h"
#include "ui/document/document_window.h"
#include "ui/wml/wml_viewer.h"

namespace markloom {

namespace {
QAction* addToggle(QToolBar* bar, std::string_view id, const QString& caption, bool checked, bool enabled) {
  QAction* a = bar->addAction(caption);
  a->setObjectName(id);
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
  // The scheme box comes first, so it stays in reach when the bar is narrower than its content.
  highlighterBox_ = new QComboBox(optionsBar_);
  highlighterBox_->setObjectName("ComboHighlight");
  highlighterBox_->setToolTip(QStringLiteral("Highlighters"));
  highlighterBox_->setFixedWidth(142);
  for (const HighlighterEntry& entry : highlighterEntries())
    highlighterBox_->addItem(QString::fromUtf8(entry.caption.data(), static_cast<qsizetype>(entry.caption.size())));
  highlighterBox_->setCurrentIndex(0);  // "Default", though the window starts with the built-in scheme
  connect(highlighterBox_, &QComboBox::textActivated, this,
          [this](const QString& text) { guarded([&] { chooseHighlighter(text); }); });
  optionsBar_->addWidget(highlighterBox_);
  optionsBar_->addSeparator();
  // Then the one command, and the view toggles after it, the two that do
  // nothing yet last: a narrow window pushes the end of the bar into its
  // overflow menu, and that should not be what the user reaches for.
  QAction* wml = optionsBar_->addAction(QStringLiteral("WML Preview"));
  wml->setObjectName(ids::kWmlPreview);
  wml->setToolTip(QStringLiteral("WML Preview"));
  connect(wml, &QAction::triggered, this, [this] { guarded([&] { previewWmlCard(); }); });
  optionsBar_->addSeparator();
  connect(addToggle(optionsBar_, ids::kLineNumbersToggle, QStringLiteral("Line Numbers"), false, true),
          &QAction::toggled, this, &DocumentWindow::showLineNumbers);
  connect(addToggle(optionsBar_, ids::kGutterToggle, QStringLiteral("Gutter"), true, true), &QAction::toggled, this,
          &DocumentWindow::showGutter);
  connect(addToggle(optionsBar_, ids::kWordWrapToggle, QStringLiteral("Word Wrap"), true, true), &QAction::toggled,
          this, &DocumentWindow::setWordWrap);
  connect(addToggle(optionsBar_, ids::kSpecialCharactersToggle, QStringLiteral("Special Characters"), false, true),
          &QAction::toggled, this, &DocumentWindow::showSpecialCharacters);
  addToggle(optionsBar_, ids::kFullScreenToggle, QStringLiteral("Full Screen"), false, false);
  addToggle(optionsBar_, ids::kSplitScreenToggle, QStringLiteral("Split Screen"), false, false);
}

void DocumentWindow::showLineNumbers(bool shown) {
  editor_->setMarginLineNumbers(0, shown);
  editor_->setMarginWidth(0, QString());
  fitLineNumbers();
}

void DocumentWindow::fitLineNumbers() {
  if (!editor_->marginLineNumbers(0) || !gutterShown_) return;
  const int digits = std::max<int>(5, static_cast<int>(QString::number(editor_->lines()).size()));
  editor_->setMarginWidth(0, QString(digits, '0'));
}

void DocumentWindow::showGutter(bool shown) {
  // Without the gutter no margin is drawn; line numbers come back with it.
  gutterShown_ = shown;
  if (!shown) {
    for (int m = 0; m < 3; ++m) editor_->setMarginWidth(m, 0);
    return;
  }
  editor_->setMarginWidth(1, 16);
  fitLineNumbers();
}

void DocumentWindow::setWordWrap(bool wrap) {
  editor_->setWrapMode(wrap ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
}

void DocumentWindow::showSpecialCharacters(bool shown) { editor_->setSpecialSymbols(shown); }

void DocumentWindow::previewWmlCard() {
  const std::string card = document_->editorOps().selectedText();
  if (card.empty()) {
    Prompter::instance().message(QApplication::applicationDisplayName(),
                                 QStringLiteral("Please select a WML card.  For example \neverything between "
                                                "<card> and </card> \nincluding these tags."),
                                 Prompter::Icon::None, Prompter::Buttons::Ok);
    return;
  }
  // The work file keeps the last previewed card for anyone who looks; the
  // viewer takes the same bytes directly.
  writeWorkFile(QFile::encodeName(workPath(QStringLiteral("waptmp.tmp"))).toStdString(), card);
  const QString folder = document_->isUntitled() ? QString() : QFileInfo(document_->fileName()).absolutePath();
  // Each preview gets a window of its own; earlier ones stay until closed.
  auto* viewer = new WmlViewer(card, document_->codec(), folder, window());
  viewer->show();
}

}  // namespace markloom
