#include "builder_host.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>

#include "core/markup/markup_catalog.h"
#include "ui/markup/markup_commands.h"
#include "ui/markup/builder_dialog_commands.h"

namespace markloom::test {

BuilderHost::BuilderHost() {
  setObjectName("BuilderHost");
  for (const char* name : {"Insert1", "Format1"}) menuBar()->addMenu(name)->setObjectName(name);
  QMenu* tools = menuBar()->addMenu("&Tools");
  tools->setObjectName("Tools1");
  tools->addAction("&ColdFusion Builder")->setObjectName("ColdFusionBuilder1");
  for (const markup::BarInfo& bar : markup::bars()) {
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QString::fromLatin1(bar.name.data(), static_cast<qsizetype>(bar.name.size())));
    addToolBar(toolbar);
  }
  auto source = [this]() -> EditorOps* { return active; };
  markup = new MarkupCommands(this, source);
  commands = new BuilderDialogCommands(this, source);
}

BuilderHost::~BuilderHost() = default;

QAction* BuilderHost::action(const QString& name) const { return findChild<QAction*>(name); }

void whenModal(const QString& name, std::function<void(QDialog*)> act) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, tries, name, act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->objectName() == name) {
      timer->stop();
      timer->deleteLater();
      act(dialog);
      if (dialog->isVisible()) {
        ADD_FAILURE() << name.toStdString() << " was left open";
        dialog->reject();
      }
      return;
    }
    if (++*tries > 500) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "no modal dialog " << name.toStdString();
      if (dialog) dialog->reject();
    }
  });
  timer->start();
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

}  // namespace markloom::test
