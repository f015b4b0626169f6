#include "ui/markup/dialogs/server_variables_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/markup/tags/server_variables_builder.h"
#include "core/markup/insertion_primitives.h"
#include "core/text/line_list.h"
#include "platform/files/program_folder.h"
#include "ui/common/command_guard.h"

namespace markloom {

using namespace builders;

ServerVariablesDialog::ServerVariablesDialog(QWidget* parent, DocumentSource source) : QDialog(parent), source_(std::move(source)) {
  setObjectName("TSpecialForm");
  setWindowTitle("Insert Server Variables...");
  setModal(false);
  resize(200, 94);
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox("Select a Variable:", this);
  auto* groupLayout = new QVBoxLayout(group);
  EditVars = new QComboBox(group);
  EditVars->setObjectName("EditVars");
  EditVars->setEditable(true);
  EditVars->setInsertPolicy(QComboBox::NoInsert);
  groupLayout->addWidget(EditVars);
  layout->addWidget(group);
  addOkCancel(this, layout, "Button1", "Button2");
  // OK and Cancel hide the dialog; it lives until the program ends.
  auto* ok = findChild<QPushButton*>("Button1");
  auto* cancel = findChild<QPushButton*>("Button2");
  disconnect(ok, nullptr, this, nullptr);
  disconnect(cancel, nullptr, this, nullptr);
  connect(ok, &QPushButton::clicked, this, &ServerVariablesDialog::Button1Click);
  connect(cancel, &QPushButton::clicked, this, &ServerVariablesDialog::Button2Click);
}

void ServerVariablesDialog::showFor(const QString& mode) {
  VariableMode = mode;
  show();
  raise();
  activateWindow();
}

void ServerVariablesDialog::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    guarded([&] { reloadEntries(); });
    EditVars->setEditText(QString());
  }
  QDialog::showEvent(event);
}

void ServerVariablesDialog::reloadEntries() {
  const std::optional<std::string> file = markup::serverVariablesFile(bytes(VariableMode));
  if (!file) return;
  // Read first: a missing list leaves the entries as they were.
  const std::vector<std::string> entries = readLineList(programPath(qs(*file)).toStdString());
  EditVars->clear();
  EditVars->addItems(qsList(entries));
  EditVars->setCurrentIndex(-1);
}

void ServerVariablesDialog::Button1Click() {
  guarded([&] {
    const std::optional<std::string> text = markup::buildServerVariable(bytes(VariableMode), bytes(EditVars->currentText()));
    if (text) {
      if (EditorOps* ops = source_ ? source_() : nullptr) InsertSnippet(*ops, *text);
    }
    hide();
  });
}

void ServerVariablesDialog::Button2Click() { hide(); }

}  // namespace markloom
