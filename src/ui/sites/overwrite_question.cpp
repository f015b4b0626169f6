#include "ui/sites/overwrite_question.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <array>

namespace markloom {

namespace {
OverwriteQuestion::Answerer& answererSlot() {
  static OverwriteQuestion::Answerer answerer;
  return answerer;
}

struct ChoiceButton {
  const char* caption;
  const char* objectName;
  OverwriteChoice choice;
};
constexpr std::array<ChoiceButton, 4> kChoices{{
    {"&Overwrite", "Overwrite", OverwriteChoice::Overwrite},
    {"Overwrite if &Newer", "OverwriteIfNewer", OverwriteChoice::OverwriteIfNewer},
    {"&Skip", "Skip", OverwriteChoice::Skip},
    {"&Rename", "Rename", OverwriteChoice::Rename},
}};
}  // namespace

void OverwriteQuestion::setAnswerer(Answerer answerer) { answererSlot() = std::move(answerer); }

OverwriteQuestion::Answer OverwriteQuestion::ask(QWidget* parent, const QString& text, bool batch) {
  if (answererSlot()) return answererSlot()(text, batch);
  QMessageBox box(QMessageBox::Question, QStringLiteral("File Exists"), text, QMessageBox::NoButton, parent);
  box.setObjectName("OverwriteQuestion");
  std::array<QPushButton*, kChoices.size()> buttons{};
  for (std::size_t i = 0; i < kChoices.size(); ++i) {
    buttons[i] = box.addButton(QString::fromUtf8(kChoices[i].caption), QMessageBox::AcceptRole);
    buttons[i]->setObjectName(kChoices[i].objectName);
  }
  QPushButton* cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(buttons[2]);  // Skip: nothing is lost by pressing Enter
  QCheckBox* all = nullptr;
  if (batch) {
    all = new QCheckBox(QStringLiteral("&Apply to all"), &box);
    all->setObjectName("ApplyToAll");
    box.setCheckBox(all);
  }
  box.exec();
  Answer answer;
  answer.forAll = all && all->isChecked();
  for (std::size_t i = 0; i < kChoices.size(); ++i)
    if (box.clickedButton() == buttons[i]) answer.choice = kChoices[i].choice;
  answer.cancelled = box.clickedButton() == cancel || !box.clickedButton();
  return answer;
}

}  // namespace markloom
