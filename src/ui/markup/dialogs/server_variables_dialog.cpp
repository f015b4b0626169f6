#include "ui/markup/dialogs/server_variables_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/document/data_file_text.h"
#include "platform/files/program_folder.h"
#include "ui/common/command_guard.h"
#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace dialogkit;

ServerVariablesDialog::ServerVariablesDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TSpecialForm");
  setWindowTitle("Insert Server Variables...");
  setModal(false);
  resize(200, 94);
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox("Select a Variable:", this);
  auto* groupLayout = new QVBoxLayout(group);
  variableBox_ = new QComboBox(group);
  variableBox_->setObjectName("EditVars");
  variableBox_->setEditable(true);
  variableBox_->setInsertPolicy(QComboBox::NoInsert);
  groupLayout->addWidget(variableBox_);
  layout->addWidget(group);
  // OK and Cancel hide the dialog; it lives until the program ends.
  addOkCancel(this, layout, true, {"Button1", "Button2"});
  dialogkit::fitToContent(this);
}

tags::ServerVariableFields ServerVariablesDialog::fields() const {
  return {platform_, toUtf8(variableBox_->currentText())};
}

void ServerVariablesDialog::setFields(const tags::ServerVariableFields& f) {
  platform_ = f.platform;
  variableBox_->setEditText(fromUtf8(f.variable));
}

void ServerVariablesDialog::showFor(tags::Platform platform) {
  platform_ = platform;
  show();
  raise();
  activateWindow();
}

void ServerVariablesDialog::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    guarded([&] { reloadEntries(); });
    variableBox_->setEditText(QString());
    fitToContent(this);  // the list just read may hold longer names
  }
  QDialog::showEvent(event);
}

void ServerVariablesDialog::reloadEntries() {
  // Read first: a missing list leaves the entries as they were.
  const std::vector<std::string> entries =
      readListText(programPath(fromUtf8(tags::serverVariablesFile(platform_))).toStdString());
  variableBox_->clear();
  variableBox_->addItems(fromUtf8(entries));
  variableBox_->setCurrentIndex(-1);
}

void ServerVariablesDialog::accept() { emit insertRequested(); }

}  // namespace markloom
