#include "ui/preferences/tag_template_editor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"
#include "ui/preferences/preferences_text.h"

namespace markloom {

using preferences::shown;
using preferences::stored;

namespace {

// Column 0 is kept empty and zero wide.
constexpr int kKeywordColumn = 1;
constexpr int kDescriptionColumn = 2;
constexpr int kCodeColumn = 3;

void setRow(QTreeWidgetItem* row, const QString& keyword, const QString& description, const QString& code) {
  row->setText(kKeywordColumn, keyword);
  row->setText(kDescriptionColumn, description);
  row->setText(kCodeColumn, code);
}

}  // namespace

TagTemplateEditor::TagTemplateEditor(QWidget* parent) : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  list_ = new QTreeWidget(this);
  list_->setObjectName("TemplateList");
  list_->setRootIsDecorated(false);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setHeaderLabels({"", "Keyword", "Description", "Code"});
  list_->setColumnWidth(0, 0);
  list_->setColumnWidth(kKeywordColumn, 75);
  list_->setColumnWidth(kDescriptionColumn, 125);
  list_->setColumnWidth(kCodeColumn, 155);
  column->addWidget(list_);
  auto* buttons = new QHBoxLayout;
  const std::pair<const char*, void (TagTemplateEditor::*)()> actions[] = {
      {"&Add", &TagTemplateEditor::addTemplate},
      {"&Edit", &TagTemplateEditor::editTemplate},
      {"&Delete", &TagTemplateEditor::deleteTemplate},
  };
  for (const auto& [caption, slot] : actions) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString("Template") + QString(caption).remove('&'));
    connect(button, &QPushButton::clicked, this, slot);
    buttons->addWidget(button);
  }
  column->addLayout(buttons);
  currentItem_ = new QGroupBox("Current Item:");
  currentItem_->setObjectName("CurrentItem");
  auto* fields = new QGridLayout(currentItem_);
  keyword_ = dialogkit::namedEdit(this, "Keyword");
  description_ = dialogkit::namedEdit(this, "Description");
  code_ = new QPlainTextEdit(this);
  code_->setObjectName("Code");
  dialogkit::addLabelled(fields, 0, "Keyword:", keyword_);
  dialogkit::addLabelled(fields, 1, "Description:", description_);
  dialogkit::addLabelled(fields, 2, "Code:", code_);
  auto* done = new QPushButton("&Done");
  done->setObjectName("TemplateDone");
  fields->addWidget(done, 3, 1, Qt::AlignRight);
  connect(done, &QPushButton::clicked, this, &TagTemplateEditor::finishTemplate);
  currentItem_->setEnabled(false);
  column->addWidget(currentItem_);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { editTemplate(); });
}

void TagTemplateEditor::setTemplates(const std::vector<TagTemplate>& templates) {
  list_->clear();
  for (const TagTemplate& t : templates)
    setRow(new QTreeWidgetItem(list_), shown(t.name), shown(t.description), shown(t.code));
}

std::vector<TagTemplate> TagTemplateEditor::templates() const {
  std::vector<TagTemplate> out;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = list_->topLevelItem(i);
    out.push_back(
        {stored(row->text(kKeywordColumn)), stored(row->text(kDescriptionColumn)), stored(row->text(kCodeColumn))});
  }
  return out;
}

void TagTemplateEditor::addTemplate() {
  currentItem_->setEnabled(true);
  mode_ = Mode::Add;
  keyword_->clear();
  description_->clear();
  code_->clear();
  keyword_->setFocus();
}

void TagTemplateEditor::editTemplate() {
  QTreeWidgetItem* row = list_->currentItem();
  if (!row || !row->isSelected()) return;
  currentItem_->setEnabled(true);
  mode_ = Mode::Edit;
  keyword_->setText(row->text(kKeywordColumn));
  description_->setText(row->text(kDescriptionColumn));
  code_->setPlainText(QString(row->text(kCodeColumn)).replace("\r\n", "\n"));
  keyword_->setFocus();
}

void TagTemplateEditor::finishTemplate() {
  // The code box's lines, joined with CR LF.
  const QString code = code_->toPlainText().split('\n').join("\r\n");
  if (mode_ == Mode::Add) {
    setRow(new QTreeWidgetItem(list_), keyword_->text(), description_->text(), code);
  } else if (mode_ == Mode::Edit) {
    if (QTreeWidgetItem* row = list_->currentItem()) setRow(row, keyword_->text(), description_->text(), code);
  }
  clearCurrentItem();
}

void TagTemplateEditor::clearCurrentItem() {
  keyword_->clear();
  description_->clear();
  code_->clear();
  currentItem_->setEnabled(false);
  mode_ = Mode::None;
}

void TagTemplateEditor::deleteTemplate() {
  QTreeWidgetItem* row = list_->currentItem();
  if (!row || !row->isSelected()) return;
  const Prompter::Answer answer =
      Prompter::instance().message(window()->windowTitle(), "Do you wish to delete this TagTemplate?",
                                   Prompter::Icon::Question, Prompter::Buttons::YesNoCancel);
  if (answer == Prompter::Answer::Yes) delete row;
}

}  // namespace markloom
