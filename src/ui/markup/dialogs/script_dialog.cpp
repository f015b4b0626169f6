#include "ui/markup/dialogs/script_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/prompter.h"
#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace builders;

namespace {
QComboBox* editableBox(QWidget* parent, const char* name, const std::vector<std::string>& items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(qsList(items));
  box->setCurrentIndex(-1);
  box->setEditText(QString());
  return box;
}
}  // namespace

ScriptDialog::ScriptDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TScriptForm");
  setWindowTitle("Insert Client-Side Script");
  resize(296, 335);
  auto* layout = new QVBoxLayout(this);

  auto* general = new QGroupBox("General Options:", this);
  auto* form = new QFormLayout(general);
  EditLanguage = editableBox(general, "EditLanguage", markup::scriptLanguages());
  EditContentType = editableBox(general, "EditContentType", markup::scriptContentTypes());
  EditSource = new QLineEdit(general);
  EditSource->setObjectName("EditSource");
  auto* browse = new QPushButton("&Browse...", general);
  browse->setObjectName("Button1");
  auto* sourceRow = new QHBoxLayout;
  sourceRow->addWidget(EditSource, 1);
  sourceRow->addWidget(browse);
  form->addRow("Language:", EditLanguage);
  form->addRow("Content-Type:", EditContentType);
  form->addRow("Source:", sourceRow);
  layout->addWidget(general);

  auto* code = new QGroupBox("Script Code:", this);
  auto* codeLayout = new QVBoxLayout(code);
  ScriptEdit = new QPlainTextEdit(code);
  ScriptEdit->setObjectName("ScriptEdit");
  ScriptEdit->setTabChangesFocus(true);
  ScriptEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
  codeLayout->addWidget(ScriptEdit);
  layout->addWidget(code, 1);

  addOkCancel(this, layout);
  connect(browse, &QPushButton::clicked, this, &ScriptDialog::Button1Click);
}

markup::ScriptFields ScriptDialog::fields() const {
  markup::ScriptFields f;
  f.language = bytes(EditLanguage->currentText());
  f.contentType = bytes(EditContentType->currentText());
  f.source = bytes(EditSource->text());
  const QString code = ScriptEdit->toPlainText();
  if (!code.isEmpty()) {
    for (const QString& line : code.split('\n')) f.code.push_back(bytes(line));
  }
  return f;
}

void ScriptDialog::setFields(const markup::ScriptFields& f) {
  EditLanguage->setEditText(qs(f.language));
  EditContentType->setEditText(qs(f.contentType));
  EditSource->setText(qs(f.source));
  QStringList lines;
  for (const std::string& line : f.code) lines << qs(line);
  ScriptEdit->setPlainText(lines.join('\n'));
}

void ScriptDialog::Button1Click() {
  const QString path = Prompter::instance().openFileName(
      "Insert Script from File...", QString(),
      "JavaScript Files (*.js);;VBScript Files (*.vb);;PHP Files (*.php);;" + kAllFilesFilter);
  if (!path.isEmpty()) EditSource->setText(path);
}

}  // namespace markloom
