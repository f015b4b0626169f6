#include "ui/webtools/link_navigation.h"

#include <QTreeWidgetItem>
#include <algorithm>

#include "platform/editor/markloom_editor.h"
#include "ui/document/document.h"
#include "ui/document/document_window.h"

namespace markloom {

void goToLink(DocumentWindow* document, const QString& written, int line) {
  if (!document) return;
  EditorOps& ops = document->document().editorOps();
  const int count = ops.lineCount();
  if (count == 0) return;
  line = std::clamp(line, 0, count - 1);
  const std::string wanted = document->document().encode(written);
  auto found = [&](int at) {
    if (wanted.empty()) return false;
    const std::size_t column = ops.line(at).find(wanted);
    if (column == std::string::npos) return false;
    ops.setCaret({at, static_cast<int>(column)});
    return true;
  };
  bool done = false;
  for (int at = line; at < count && !done; ++at) done = found(at);
  for (int at = line - 1; at >= 0 && !done; --at) done = found(at);
  if (!done) ops.setCaret({line, 0});
  document->editor()->ensureLineVisible(ops.caret().line);
  document->editor()->setFocus();
}

void rememberLink(QTreeWidgetItem* item, const QString& written, int line) {
  item->setData(0, Qt::UserRole, line);
  item->setData(1, Qt::UserRole, written);
}

void goToRememberedLink(DocumentWindow* document, const QTreeWidgetItem* item) {
  if (!item) return;
  goToLink(document, item->data(1, Qt::UserRole).toString(), item->data(0, Qt::UserRole).toInt());
}

}  // namespace markloom
