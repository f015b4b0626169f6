#include "ui/preferences/cuecard_editor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"
#include "ui/preferences/preferences_text.h"

namespace markloom {

CuecardEditor::CuecardEditor(QWidget* parent) : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(new QLabel("HTML Cuecard Editor:"));
  list_ = new QListWidget(this);
  list_->setObjectName("CuecardList");
  column->addWidget(list_);
  auto* fields = new QGridLayout;
  currentSetting_ = dialogkit::namedEdit(this, "CurrentSetting");
  currentSetting_->setReadOnly(true);
  newSetting_ = dialogkit::namedEdit(this, "NewSetting");
  dialogkit::addLabelled(fields, 0, "Current Setting:", currentSetting_);
  dialogkit::addLabelled(fields, 1, "New Setting:", newSetting_);
  column->addLayout(fields);
  auto* buttons = new QHBoxLayout;
  auto* update = new QPushButton("&Update");
  update->setObjectName("CuecardUpdate");
  auto* add = new QPushButton("&Add");
  add->setObjectName("CuecardAdd");
  // Deleting entries is not offered yet; the button stays for its place.
  auto* remove = new QPushButton("&Delete");
  remove->setObjectName("CuecardDelete");
  buttons->addWidget(update);
  buttons->addWidget(add);
  buttons->addWidget(remove);
  column->addLayout(buttons);
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { currentSetting_->setText(item->text()); });
  connect(update, &QPushButton::clicked, this, &CuecardEditor::updateEntry);
  connect(add, &QPushButton::clicked, this, &CuecardEditor::addEntry);
}

void CuecardEditor::setEntries(const std::vector<std::string>& entries) {
  list_->clear();
  for (const std::string& entry : entries) list_->addItem(preferences::shown(entry));
}

std::vector<std::string> CuecardEditor::entries() const {
  std::vector<std::string> out;
  for (int i = 0; i < list_->count(); ++i) out.push_back(preferences::stored(list_->item(i)->text()));
  return out;
}

void CuecardEditor::updateEntry() {
  if (QListWidgetItem* selected = list_->currentItem(); selected && selected->isSelected())
    selected->setText(newSetting_->text());
  else
    list_->addItem(newSetting_->text());
}

void CuecardEditor::addEntry() {
  const std::optional<QString> tag = Prompter::instance().inputText("Add New HTML Cuecard Tag", "Tag:", QString());
  if (!tag) return;
  if (tag->isEmpty()) {
    Prompter::instance().showError("Please specify a new tag or click cancel.");
    return;
  }
  list_->addItem(*tag);
}

}  // namespace markloom
