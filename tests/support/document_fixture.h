#pragma once
// A main window in a fresh program folder, a scripted prompter, and helpers
// for document-window tests.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "platform/editor/markloom_editor.h"
#include "support/scripted_prompter.h"
#include "support/temp_home.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/document/document_window.h"
#include "ui/editing/document_commands.h"

namespace markloom::test {

class DocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w.show();
    commands = w.findChild<DocumentCommands*>();
    ASSERT_NE(commands, nullptr);
  }
  // Runs pending deletions, so closed windows are really gone.
  static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  static QMdiSubWindow* frame(DocumentWindow* d) { return qobject_cast<QMdiSubWindow*>(d->parentWidget()); }
  QStringList captions() {
    QStringList out;
    for (DocumentWindow* d : w.documents()) out << d->windowTitle();
    return out;
  }
  // A command as the menu runs it: errors go to the error box.
  void run(void (DocumentCommands::*slot)()) {
    guarded([&] { (commands->*slot)(); });
  }
  static void type(DocumentWindow* d, const std::string& text) {
    d->document().editorOps().replaceSelection(text);  // goes through the editor, so the modified flag follows
  }
  std::string bytesOf(const QString& path) const {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll().toStdString();
  }

  TempHome home;
  ScriptedPrompter prompter;
  MainWindow w;
  DocumentCommands* commands = nullptr;
};

}  // namespace markloom::test
