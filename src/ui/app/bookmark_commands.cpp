#include "ui/app/bookmark_commands.h"

#include <QAction>

#include "core/common/command_ids.h"
#include "platform/editor/markloom_editor.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace markloom {

BookmarkCommands::BookmarkCommands(MainWindow* window) : QObject(window), window_(window) {
  setObjectName("BookmarkCommands");
  for (int n = 0; n < ScintillaEditorOps::kBookmarks; ++n) {
    const auto index = static_cast<std::size_t>(n);
    connect(window->action(ids::kSetBookmark[index]), &QAction::triggered, this, [this, n] { setBookmark(n); });
    connect(window->action(ids::kGoToBookmark[index]), &QAction::triggered, this, [this, n] { goToBookmark(n); });
  }
}

void BookmarkCommands::setBookmark(int number) {
  DocumentWindow* document = window_->activeDocument();
  if (!document) return;
  ScintillaEditorOps& ops = document->document().editorWidgetOps();
  ops.setBookmark(number, ops.caretLineIndex());
  window_->setStatusText(tr("Bookmark %1 set").arg(number));
}

void BookmarkCommands::goToBookmark(int number) {
  DocumentWindow* document = window_->activeDocument();
  if (!document) return;
  ScintillaEditorOps& ops = document->document().editorWidgetOps();
  const int line = ops.bookmarkLine(number);
  if (line < 0) {
    window_->setStatusText(tr("Bookmark %1 is not set").arg(number));
    return;
  }
  ops.setCaret({line, 0});
  document->editor()->setFocus();
  window_->setStatusText(tr("Ready"));
}

}  // namespace markloom
