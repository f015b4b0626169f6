// The main window's document windows: creating, opening and finding them.
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <algorithm>

#include "platform/editor/markloom_editor.h"
#include "ui/app/main_window.h"
#include "ui/app/menu_table.h"
#include "ui/app/recent_files_menu.h"
#include "ui/common/command_guard.h"
#include "ui/document/document_window.h"

namespace markloom {

namespace {
// A document window's own menu binds the platform's Close keys (Ctrl+W,
// Ctrl+F4). Where the menu bar uses one of them, two actions would claim the
// key and neither would run; the menu bar's command keeps it.
void yieldMenuShortcuts(QMdiSubWindow* sub) {
  QMenu* own = sub->systemMenu();
  if (!own) return;
  QList<QKeySequence> taken;
  for (const MenuCommand& c : menuTable())
    if (!c.shortcut.empty())
      taken << QKeySequence(QString::fromUtf8(c.shortcut.data(), qsizetype(c.shortcut.size())));
  for (QAction* a : own->actions()) {
    QList<QKeySequence> keys = a->shortcuts();
    keys.removeIf([&](const QKeySequence& k) { return taken.contains(k); });
    a->setShortcuts(keys);
  }
}
}  // namespace

DocumentWindow* MainWindow::activeDocument() const {
  QMdiSubWindow* sub = documentArea_->activeSubWindow();
  if (!sub) {
    // Without focus (offscreen, or another window active) the area reports no
    // active child; the one in front is still the one the user works on.
    const auto subs = documentArea_->subWindowList(QMdiArea::StackingOrder);
    if (!subs.isEmpty()) sub = subs.last();
  }
  return sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
}

QList<DocumentWindow*> MainWindow::documents() const {
  QList<DocumentWindow*> out;
  for (QMdiSubWindow* sub : documentArea_->subWindowList(QMdiArea::CreationOrder))
    if (auto* doc = qobject_cast<DocumentWindow*>(sub->widget())) out << doc;
  return out;
}

DocumentWindow* MainWindow::createDocument() {
  auto* doc = new DocumentWindow(this);
  QMdiSubWindow* sub = documentArea_->addSubWindow(doc);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  yieldMenuShortcuts(sub);
  sub->setWindowTitle(doc->windowTitle());
  sub->resize(583, 371);
  sub->show();
  documentArea_->setActiveSubWindow(sub);
  if (recentFiles_) {
    connect(&doc->document(), &Document::loaded, recentFiles_, &RecentFilesMenu::add);
    connect(&doc->document(), &Document::saved, recentFiles_, &RecentFilesMenu::add);
  }
  return doc;
}

DocumentWindow* MainWindow::openDocument(const QString& path) {
  DocumentWindow* doc = createDocument();
  guarded([&] { doc->loadFile(path); });
  return doc;
}

DocumentWindow* MainWindow::openFromCommandLine(const QString& path) {
  const QFileInfo file(path);
  if (file.exists()) return openDocument(path);
  DocumentWindow* doc = createDocument();
  doc->startNewFile(file.absoluteFilePath());
  return doc;
}

DocumentWindow* MainWindow::documentFor(const QString& path) const {
  const QString wanted = QFileInfo(path).absoluteFilePath();
  for (DocumentWindow* doc : documents()) {
    if (doc->document().isUntitled()) continue;
    const QFileInfo shown(doc->document().fileName());
    if (shown.absoluteFilePath() == wanted) return doc;
    // The same file reached through another name (a link, "..").
    if (shown.exists() && shown.canonicalFilePath() == QFileInfo(path).canonicalFilePath()) return doc;
  }
  return nullptr;
}

DocumentWindow* MainWindow::openOrActivate(const QString& path) {
  if (DocumentWindow* open = documentFor(path)) {
    activateDocument(open);
    return open;
  }
  return openFromCommandLine(path);
}

void MainWindow::activateDocument(DocumentWindow* document) {
  for (QMdiSubWindow* sub : documentArea_->subWindowList())
    if (sub->widget() == document) {
      if (sub->isMinimized()) sub->showNormal();
      documentArea_->setActiveSubWindow(sub);
    }
}

void MainWindow::goToLine(DocumentWindow* window, int line) {
  if (!window || line < 1) return;
  MarkloomEditor* editor = window->editor();
  const int last = std::max(0, editor->lines() - 1);
  editor->setCursorPosition(std::min(line - 1, last), 0);
  editor->ensureCursorVisible();
}

void MainWindow::followActiveDocument(QMdiSubWindow* active) {
  disconnect(caretConnection_);
  auto* document = active ? qobject_cast<DocumentWindow*>(active->widget()) : nullptr;
  if (!document) return;
  MarkloomEditor* editor = document->editor();
  auto show = [this, editor] {
    int line = 0, index = 0;
    editor->getCursorPosition(&line, &index);
    statusPanels_[0]->setText(QString("%1 : %2").arg(line + 1).arg(index + 1));
  };
  caretConnection_ = connect(editor, &QsciScintilla::cursorPositionChanged, this, show);
  show();
}

}  // namespace markloom
