#include "ui/app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>

namespace markloom {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Form1");
  setWindowTitle("Tarnwell Markloom 5.0");
  documentArea_ = new QMdiArea(this);
  documentArea_->setObjectName("DocumentArea");
  setCentralWidget(documentArea_);
  installCommandGroups();
}

TForm1::~TForm1() = default;

QAction* TForm1::action(const QString& objectName) const { return findChild<QAction*>(objectName); }
QMenu* TForm1::menu(const QString& objectName) const { return findChild<QMenu*>(objectName); }

void TForm1::addToWindowList(const QString& caption, TForm2* window) { windowList_.append({caption, window}); }

void TForm1::removeFromWindowList(TForm2* window) {
  for (int i = 0; i < windowList_.size(); ++i) {
    if (windowList_[i].second == window) {
      windowList_.removeAt(i);
      return;
    }
  }
}

QList<QPair<QString, TForm2*>> TForm1::windowList() const {
  return windowList_;
}

void TForm1::loadSettings() {}

QTabWidget* TForm1::tagBar() const { return nullptr; }
QTreeWidget* TForm1::validationList() const { return nullptr; }
QListWidget* TForm1::tidyList() const { return nullptr; }
QTreeWidget* TForm1::linksList() const { return nullptr; }
void TForm1::showResults(ResultsTab) {}
void TForm1::setStatusText(const QString&) {}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  shownOnce_ = true;
}

void TForm1::closeEvent(QCloseEvent* event) { QMainWindow::closeEvent(event); }

}  // namespace markloom
