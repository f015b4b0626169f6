#include "ui/markup/dialogs/script_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

using namespace dialogkit;

ScriptDialog::ScriptDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TScriptForm");
  setWindowTitle("Insert Client-Side Script");
  resize(296, 335);
  auto* layout = new QVBoxLayout(this);

  auto* general = new QGroupBox("General Options:", this);
  auto* form = new QFormLayout(general);
  languageBox_ = namedCombo(general, "EditLanguage", fromUtf8(tags::scriptLanguages()));
  contentTypeBox_ = namedCombo(general, "EditContentType", fromUtf8(tags::scriptContentTypes()));
  sourceEdit_ = namedEdit(general, "EditSource");
  auto* browse = browseButton(general, "Button1");
  auto* sourceRow = fieldWithButton(sourceEdit_, browse);
  form->addRow("Language:", languageBox_);
  form->addRow("Content-Type:", contentTypeBox_);
  form->addRow("Source:", sourceRow);
  layout->addWidget(general);

  auto* code = new QGroupBox("Script Code:", this);
  auto* codeLayout = new QVBoxLayout(code);
  codeEdit_ = new QPlainTextEdit(code);
  codeEdit_->setObjectName("ScriptEdit");
  codeEdit_->setTabChangesFocus(true);
  codeEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  codeLayout->addWidget(codeEdit_);
  layout->addWidget(code, 1);

  addOkCancel(this, layout);
  connect(browse, &QPushButton::clicked, this, &ScriptDialog::browseSource);
  dialogkit::fitToContent(this);
}

tags::ScriptFields ScriptDialog::fields() const {
  tags::ScriptFields f;
  f.language = toUtf8(languageBox_->currentText());
  f.contentType = toUtf8(contentTypeBox_->currentText());
  f.source = toUtf8(sourceEdit_->text());
  const QString code = codeEdit_->toPlainText();
  if (!code.isEmpty()) {
    for (const QString& line : code.split('\n')) f.code.push_back(toUtf8(line));
  }
  return f;
}

void ScriptDialog::setFields(const tags::ScriptFields& f) {
  languageBox_->setEditText(fromUtf8(f.language));
  contentTypeBox_->setEditText(fromUtf8(f.contentType));
  sourceEdit_->setText(fromUtf8(f.source));
  codeEdit_->setPlainText(fromUtf8(f.code).join('\n'));
}

void ScriptDialog::browseSource() {
  const QString path = Prompter::instance().openFileName(
      "Insert Script from File...", QString(),
      "JavaScript Files (*.js);;VBScript Files (*.vb);;PHP Files (*.php);;" + kAllFilesFilter);
  if (!path.isEmpty()) sourceEdit_->setText(path);
}

}  // namespace markloom
