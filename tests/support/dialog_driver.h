#pragma once
// Driving modal dialogs from a test: a modal dialog runs its own event loop,
// so what the user does in it is queued before the command that opens it.
// Controls are found by object name.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class QComboBox;
class QListWidget;

namespace markloom::test {

// Runs act on the modal dialog with this object name once it is the active
// modal widget; act is expected to close it. Fails the test when no such
// dialog shows within a few seconds, and closes one that act left open.
void whenModal(const QString& objectName, std::function<void(QDialog*)> act);

// While it lives: a modal dialog still up after timeoutMs is closed and the
// test fails, so a dialog nobody closes cannot block the test.
class ModalWatchdog {
 public:
  explicit ModalWatchdog(int timeoutMs = 20000);

 private:
  QTimer timer_;
};

// Sets a child's text by object name: QLineEdit, editable QComboBox, QSpinBox
// or QPlainTextEdit. Fails the test when there is no such child.
void fill(QWidget* dialog, const QString& name, const QString& text);
void check(QWidget* dialog, const QString& name, bool on);
void click(QWidget* dialog, const QString& buttonName);

QStringList itemTexts(const QComboBox* box);
QStringList itemTexts(const QListWidget* list);

}  // namespace markloom::test
