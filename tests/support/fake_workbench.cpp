#include "fake_workbench.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

#include "ui/common/command_guard.h"
#include "ui/document/document_window.h"

namespace markloom::test {

FakeWorkbench::FakeWorkbench(const QString& folder) : folder_(folder), window_(std::make_unique<QWidget>()) {
  window_->setObjectName("FakeWorkbench");
  window_->setWindowTitle("Tarnwell Markloom 5.0");
  results_ = new ResultsPanel(window_.get());
}

// Document windows leave the window list as they go, so they go first.
FakeWorkbench::~FakeWorkbench() {
  for (const QPointer<DocumentWindow>& document : documents_)
    if (document) delete document->parentWidget();
}

DocumentWindow* FakeWorkbench::activeDocument() const { return active_; }

QList<DocumentWindow*> FakeWorkbench::documents() const {
  QList<DocumentWindow*> out;
  for (const QPointer<DocumentWindow>& document : documents_)
    if (document) out << document;
  return out;
}

DocumentWindow* FakeWorkbench::createDocument() {
  // Each in a frame of its own, as in the document area: a document window
  // captions its frame.
  auto* frame = new QWidget(window_.get());
  auto* document = new DocumentWindow(this, frame);
  documents_ << document;
  active_ = document;
  return document;
}

DocumentWindow* FakeWorkbench::openDocument(const QString& path) {
  DocumentWindow* document = createDocument();
  guarded([&] { document->loadFile(path); });
  return document;
}

DocumentWindow* FakeWorkbench::openOrActivate(const QString& path) {
  const QString wanted = QFileInfo(path).absoluteFilePath();
  for (DocumentWindow* document : documents()) {
    if (!document->document().isUntitled() && QFileInfo(document->document().fileName()).absoluteFilePath() == wanted) {
      activateDocument(document);
      return document;
    }
  }
  return openDocument(path);
}

void FakeWorkbench::activateDocument(DocumentWindow* document) { active_ = document; }

void FakeWorkbench::showResults(ResultsTab tab) {
  shownTabs.push_back(tab);
  results_->showTab(tab);
}

void FakeWorkbench::setStatusText(const QString& text) { statusTexts << text; }

void FakeWorkbench::addToWindowList(const QString& caption, DocumentWindow* window) {
  windowList.append({caption, window});
}

void FakeWorkbench::removeFromWindowList(DocumentWindow* window) {
  for (int i = 0; i < windowList.size(); ++i) {
    if (windowList[i].second == window) {
      windowList.removeAt(i);
      return;
    }
  }
}

QString FakeWorkbench::programFilePath(const QString& relative) const {
  return folder_ + QString(relative).replace('\\', '/');
}

QString FakeWorkbench::workFilePath(const QString& relative) const { return programFilePath(relative); }

QAction* FakeWorkbench::action(QAnyStringView id) const {
  const QString name = id.toString();
  if (auto* known = window_->findChild<QAction*>(name, Qt::FindDirectChildrenOnly)) return known;
  auto* command = new QAction(name, window_.get());
  command->setObjectName(name);
  window_->addAction(command);
  return command;
}

}  // namespace markloom::test
