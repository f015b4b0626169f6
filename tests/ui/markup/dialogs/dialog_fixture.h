#pragma once
// A host window with the dialog commands' actions (named as the menus name
// them), an in-memory document, a scripted prompter and a fresh program
// folder. Dialogs are modal: onShown queues what to do once one is up.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "core/document/text_buffer.h"
#include "support/scripted_prompter.h"
#include "support/temp_home.h"
#include "ui/markup/tag_dialog_commands.h"

namespace markloom::test {

inline const char* const kDialogActions[] = {"Image1", "Hyperlink1", "RolloverImage1", "Table1",
                                             "Layer1", "N12",        "VisualLayerCreator1"};

// Sets a text box or an editable drop-down found by object name.
inline void setField(QWidget& form, const char* name, const QString& text) {
  if (auto* e = form.findChild<QLineEdit*>(name)) {
    e->setText(text);
  } else if (auto* c = form.findChild<QComboBox*>(name)) {
    c->setEditText(text);
  } else {
    ADD_FAILURE() << "no field " << name;
  }
}

class DialogFixture : public ::testing::Test {
 protected:
  DialogFixture() : doc({"<body>", "</body>"}) {
    for (const char* name : kDialogActions) {
      auto* a = new QAction(name, &host);
      a->setObjectName(name);
    }
    new TagDialogCommands(&host, [this]() -> EditorOps* { return hasDocument ? &doc : nullptr; });
    doc.setCaret({1, 0});
    // A dialog nobody closes would block the test: close it and fail.
    watchdog.setSingleShot(true);
    watchdog.setInterval(20000);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
      ADD_FAILURE() << "a dialog stayed open";
      if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    watchdog.start();
  }

  void trigger(const char* action) { host.findChild<QAction*>(action)->trigger(); }

  // Runs act on the dialog of type Form once it is the active modal window.
  template <class Form>
  void onShown(std::function<void(Form&)> act) {
    QTimer::singleShot(0, &host, [act] {
      QWidget* modal = QApplication::activeModalWidget();
      auto* form = qobject_cast<Form*>(modal);
      if (!form) {
        ADD_FAILURE() << "the expected dialog is not showing";
        if (modal) modal->close();
        return;
      }
      act(*form);
    });
  }

  template <class W>
  static W* child(QWidget& form, const char* name) {
    W* w = form.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  static void press(QWidget& form, const char* button) { child<QPushButton>(form, button)->click(); }

  TempHome home;
  ScriptedPrompter prompter;
  QWidget host;
  TextBuffer doc;
  bool hasDocument = true;
  QTimer watchdog;
};

}  // namespace markloom::test
