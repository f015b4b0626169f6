#include "ui/highlighting/highlighting_options_window.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "core/highlighting/syntax_scheme.h"
#include "platform/files/program_folder.h"
#include "ui/highlighting/scheme_editor.h"

namespace markloom {

HighlightingOptionsWindow::HighlightingOptionsWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("SyntaxHighlightingWindow");
  setWindowTitle(QStringLiteral("Syntax Highlighting"));
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(586, 374);
  QString folder = programPath(QStringLiteral("Extensions\\schemes"));
  editor_ = new SchemeEditor(defaultScheme(), folder, this);
  editor_->setSaveFolder(programFolder() + QStringLiteral("Extensions/schemes"),
                         workFolder() + QStringLiteral("Extensions/schemes"));
  editor_->setGeometry(8, 8, 570, 325);
  auto* done = new QPushButton(QStringLiteral("&Done"), this);
  done->setObjectName("DoneButton");
  done->setDefault(false);
  done->setAutoDefault(false);
  done->adjustSize();
  done->move(width() - 8 - done->width(), height() - 8 - done->height());
  connect(done, &QPushButton::clicked, this, &QDialog::close);
}

HighlightingOptionsWindow* HighlightingOptionsWindow::open(QWidget* parent) {
  auto* w = new HighlightingOptionsWindow(parent);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    w->move(screen->availableGeometry().center() - w->rect().center());
  w->show();
  return w;
}

}  // namespace markloom
