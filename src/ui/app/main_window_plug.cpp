// The inbound text channel: whatever another process puts into PlugMove is
// inserted, line by line, at the caret of the active document.
#include <QPlainTextEdit>

#include "core/text/line_list.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/document/document_window.h"

namespace markloom {

void MainWindow::PlugMoveChange() {
  DocumentWindow* document = activeDocument();
  if (!document) return;  // nothing open: the text is ignored
  const QString text = PlugMove_->toPlainText();
  const QByteArray bytes = text == QString::fromLocal8Bit(plugBytes_) ? plugBytes_ : text.toLocal8Bit();
  if (bytes.isEmpty()) return;
  guarded([&] {
    document->document().editorOps().InsertLinesAtCaret(parseLineList(std::string_view(bytes.constData(), bytes.size())));
  });
}

}  // namespace markloom
