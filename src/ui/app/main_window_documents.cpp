// The main window's document windows: creating, opening and finding them.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/document/document_window.h"

namespace markloom {

TForm2* TForm1::activeDocument() const {
  QMdiSubWindow* sub = documentArea_->activeSubWindow();
  if (!sub) {
    // Without focus (offscreen, or another window active) the area reports no
    // active child; the one in front is still the one the user works on.
    const auto subs = documentArea_->subWindowList(QMdiArea::StackingOrder);
    if (!subs.isEmpty()) sub = subs.last();
  }
  return sub ? qobject_cast<TForm2*>(sub->widget()) : nullptr;
}

QList<TForm2*> TForm1::documents() const {
  QList<TForm2*> out;
  for (QMdiSubWindow* sub : documentArea_->subWindowList(QMdiArea::CreationOrder))
    if (auto* doc = qobject_cast<TForm2*>(sub->widget())) out << doc;
  return out;
}

TForm2* TForm1::createDocument() {
  auto* doc = new TForm2(this);
  QMdiSubWindow* sub = documentArea_->addSubWindow(doc);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowTitle(doc->windowTitle());
  sub->resize(583, 371);
  sub->show();
  documentArea_->setActiveSubWindow(sub);
  return doc;
}

TForm2* TForm1::openDocument(const QString& path) {
  TForm2* doc = createDocument();
  guarded([&] { doc->LoadFile(path); });
  return doc;
}

}  // namespace markloom
