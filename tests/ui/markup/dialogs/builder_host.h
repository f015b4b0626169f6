#pragma once
// A stand-in main window for the builder dialog tests: the menus and tag bar
// tabs the markup commands fill, the Tools menu's builder entry, two in-memory
// documents of which one (or none) is active, and the builder commands.
#include <QDialog>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "core/document/text_buffer.h"

class QAction;

namespace markloom {

class BuilderDialogCommands;
class MarkupCommands;

namespace test {

class BuilderHost : public QMainWindow {
 public:
  BuilderHost();
  ~BuilderHost() override;

  TextBuffer first{std::vector<std::string>{"ab"}};
  TextBuffer second{std::vector<std::string>{"xy"}};
  EditorOps* active = &first;

  BuilderDialogCommands* commands = nullptr;
  MarkupCommands* markup = nullptr;

  QAction* action(const QString& name) const;
};

// Runs act on the modal dialog named name once it is the active modal
// widget; act is expected to close it. Fails the test when no such dialog
// shows within a few seconds.
void whenModal(const QString& name, std::function<void(QDialog*)> act);

// Sets a child's text by object name: QLineEdit, editable QComboBox, QSpinBox
// or QPlainTextEdit. Fails the test when there is no such child.
void fill(QWidget* dialog, const QString& name, const QString& text);
void check(QWidget* dialog, const QString& name, bool on);
void click(QWidget* dialog, const QString& buttonName);

}  // namespace test
}  // namespace markloom
