#include "ui/common/prompter.h"

#include <cstdio>

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace markloom {

namespace {
Prompter* installed = nullptr;

QWidget* dialogParent() { return QApplication::activeWindow(); }
}  // namespace

Prompter& Prompter::instance() {
  static QtPrompter qt;
  return installed ? *installed : qt;
}

void Prompter::install(Prompter* p) { installed = p; }

Prompter::Answer QtPrompter::message(const QString& caption, const QString& text, Icon icon, Buttons buttons) {
  QMessageBox box(dialogParent());
  box.setWindowTitle(caption);
  box.setText(text);
  switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
  }
  QAbstractButton* all = nullptr;
  switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case Buttons::YesNoAllCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      all = box.addButton(QObject::tr("&All"), QMessageBox::YesRole);
      break;
  }
  box.exec();
  if (all && box.clickedButton() == all) return Answer::All;
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

void QtPrompter::showError(const QString& text) {
  // Also in the terminal the program was started from, where a user looks
  // when a window closed too fast to read.
  std::fprintf(stderr, "markloom: %s\n", text.toLocal8Bit().constData());
  QMessageBox::critical(dialogParent(), QApplication::applicationDisplayName(), text);
}

void QtPrompter::beep() { QApplication::beep(); }

QString QtPrompter::openFileName(const QString& caption, const QString& folder, const QString& filter) {
  return QFileDialog::getOpenFileName(dialogParent(), caption, folder, filter);
}

QStringList QtPrompter::openFileNames(const QString& caption, const QString& folder, const QString& filter) {
  return QFileDialog::getOpenFileNames(dialogParent(), caption, folder, filter);
}

QString QtPrompter::saveFileName(const QString& caption, const QString& proposed, const QString& filter) {
  return QFileDialog::getSaveFileName(dialogParent(), caption, proposed, filter);
}

QString QtPrompter::existingFolder(const QString& caption, const QString& folder) {
  return QFileDialog::getExistingDirectory(dialogParent(), caption, folder);
}

std::optional<QString> QtPrompter::inputText(const QString& caption, const QString& label, const QString& initial) {
  bool ok = false;
  const QString text = QInputDialog::getText(dialogParent(), caption, label, QLineEdit::Normal, initial, &ok);
  if (!ok) return std::nullopt;
  return text;
}

std::optional<QColor> QtPrompter::color(const QColor& initial) {
  const QColor c = QColorDialog::getColor(initial, dialogParent());
  if (!c.isValid()) return std::nullopt;
  return c;
}

}  // namespace markloom
