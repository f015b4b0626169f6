#include "ui/editing/bookmark_commands.h"

#include <QAction>
#include <QWidget>

#include "core/common/command_ids.h"
#include "platform/editor/markloom_editor.h"
#include "ui/document/document_window.h"
#include "ui/workbench/workbench.h"

namespace markloom {

BookmarkCommands::BookmarkCommands(Workbench& workbench) : QObject(workbench.mainWidget()), workbench_(workbench) {
  setObjectName("BookmarkCommands");
  for (int n = 0; n < ScintillaEditorOps::kBookmarks; ++n) {
    const auto index = static_cast<std::size_t>(n);
    connect(workbench.action(ids::kSetBookmark[index]), &QAction::triggered, this, [this, n] { setBookmark(n); });
    connect(workbench.action(ids::kGoToBookmark[index]), &QAction::triggered, this, [this, n] { goToBookmark(n); });
  }
}

void BookmarkCommands::setBookmark(int number) {
  DocumentWindow* document = workbench_.activeDocument();
  if (!document) return;
  ScintillaEditorOps& ops = document->document().editorWidgetOps();
  ops.setBookmark(number, ops.caretLineIndex());
  workbench_.setStatusText(tr("Bookmark %1 set").arg(number));
}

void BookmarkCommands::goToBookmark(int number) {
  DocumentWindow* document = workbench_.activeDocument();
  if (!document) return;
  ScintillaEditorOps& ops = document->document().editorWidgetOps();
  const int line = ops.bookmarkLine(number);
  if (line < 0) {
    workbench_.setStatusText(tr("Bookmark %1 is not set").arg(number));
    return;
  }
  ops.setCaret({line, 0});
  document->editor()->setFocus();
  workbench_.setStatusText(tr("Ready"));
}

}  // namespace markloom
