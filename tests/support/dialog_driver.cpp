#include "dialog_driver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <memory>

namespace markloom::test {

void whenModal(const QString& objectName, std::function<void(QDialog*)> act) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, tries, objectName, act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->objectName() == objectName) {
      timer->stop();
      timer->deleteLater();
      act(dialog);
      if (dialog->isVisible()) {
        ADD_FAILURE() << objectName.toStdString() << " was left open";
        dialog->reject();
      }
      return;
    }
    if (++*tries > 500) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "no modal dialog " << objectName.toStdString();
      if (dialog) dialog->reject();
    }
  });
  timer->start();
}

ModalWatchdog::ModalWatchdog(int timeoutMs) {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      ADD_FAILURE() << modal->objectName().toStdString() << " stayed open";
      modal->close();
    }
  });
  timer_.start(timeoutMs);
}

void fill(QWidget* dialog, const QString& name, const QString& text) {
  QWidget* w = dialog->findChild<QWidget*>(name);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    edit->setText(text);
  } else if (auto* box = qobject_cast<QComboBox*>(w)) {
    box->setEditText(text);
  } else if (auto* spin = qobject_cast<QSpinBox*>(w)) {
    spin->setValue(text.toInt());
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
    plain->setPlainText(text);
  } else {
    ADD_FAILURE() << "no text field " << name.toStdString() << " in " << dialog->objectName().toStdString();
  }
}

void check(QWidget* dialog, const QString& name, bool on) {
  auto* box = dialog->findChild<QCheckBox*>(name);
  if (!box) {
    ADD_FAILURE() << "no check box " << name.toStdString();
    return;
  }
  box->setChecked(on);
}

void click(QWidget* dialog, const QString& buttonName) {
  auto* button = dialog->findChild<QAbstractButton*>(buttonName);
  if (!button) {
    ADD_FAILURE() << "no button " << buttonName.toStdString() << " in " << dialog->objectName().toStdString();
    return;
  }
  button->click();
}

QStringList itemTexts(const QComboBox* box) {
  QStringList out;
  for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
  return out;
}

QStringList itemTexts(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

}  // namespace markloom::test
