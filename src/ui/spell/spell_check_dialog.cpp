#include "ui/spell/spell_check_dialog.h"
#include "ui/common/dialog_kit.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace markloom {

SpellCheckDialog::SpellCheckDialog(TextCodec codec, QWidget* parent) : QDialog(parent), codec_(codec) {
  setObjectName("SpellCheckDialog");
  setWindowTitle(QStringLiteral("Spell Check"));
  kind_ = new QLabel(this);
  kind_->setObjectName("IssueKind");
  context_ = new QLabel(this);
  context_->setObjectName("IssueContext");
  context_->setTextFormat(Qt::RichText);
  context_->setWordWrap(true);
  changeTo_ = new QLineEdit(this);
  changeTo_->setObjectName("ChangeTo");
  suggestions_ = new QListWidget(this);
  suggestions_->setObjectName("Suggestions");
  connect(suggestions_, &QListWidget::currentTextChanged, changeTo_, &QLineEdit::setText);
  connect(suggestions_, &QListWidget::itemDoubleClicked, this, [this] { choose(SpellDecision::Action::Change); });

  auto* grid = new QGridLayout(this);
  grid->addWidget(kind_, 0, 0);
  grid->addWidget(context_, 1, 0);
  // Each caption's accelerator takes the keyboard to its field.
  auto* changeToLabel = new QLabel(QStringLiteral("Change &To:"), this);
  changeToLabel->setBuddy(changeTo_);
  grid->addWidget(changeToLabel, 2, 0);
  grid->addWidget(changeTo_, 3, 0);
  auto* suggestionsLabel = new QLabel(QStringLiteral("Suggestio&ns:"), this);
  suggestionsLabel->setBuddy(suggestions_);
  grid->addWidget(suggestionsLabel, 4, 0);
  grid->addWidget(suggestions_, 5, 0);
  auto* buttons = new QVBoxLayout;
  auto add = [&](const QString& caption, const char* name, SpellDecision::Action action) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, [this, action] { choose(action); });
    buttons->addWidget(b);
    return b;
  };
  add(QStringLiteral("&Ignore"), "Ignore", SpellDecision::Action::Ignore);
  ignoreAllButton_ = add(QStringLiteral("I&gnore All"), "IgnoreAll", SpellDecision::Action::IgnoreAll);
  add(QStringLiteral("&Change"), "Change", SpellDecision::Action::Change)->setDefault(true);
  changeAllButton_ = add(QStringLiteral("Change A&ll"), "ChangeAll", SpellDecision::Action::ChangeAll);
  addButton_ = add(QStringLiteral("&Add"), "Add", SpellDecision::Action::Add);
  buttons->addStretch();
  add(QStringLiteral("Cancel"), "Cancel", SpellDecision::Action::Stop);
  grid->addLayout(buttons, 0, 1, 6, 1);
  dialogkit::fitToContent(this);
}

QString SpellCheckDialog::text(const std::string& bytes) const { return QString::fromStdString(codec_.decode(bytes)); }

std::string SpellCheckDialog::bytes(const QString& text) const { return codec_.encode(text.toStdString()); }

void SpellCheckDialog::present(const SpellIssue& issue, const std::string& context) {
  const bool word = issue.kind == SpellIssue::Kind::Misspelled;
  kind_->setText(word                                          ? QStringLiteral("Not in Dictionary:")
                 : issue.kind == SpellIssue::Kind::DoubledWord ? QStringLiteral("Doubled word:")
                                                               : QStringLiteral("Doubled space:"));
  context_->setText(text(context).toHtmlEscaped());
  suggestions_->clear();
  for (const auto& s : issue.suggestions) suggestions_->addItem(text(s));
  changeTo_->setText(issue.suggestions.empty() ? text(issue.word) : text(issue.suggestions.front()));
  if (!issue.suggestions.empty()) suggestions_->setCurrentRow(0);
  addButton_->setEnabled(word);
  changeAllButton_->setEnabled(word);
  ignoreAllButton_->setEnabled(word);
  decision_ = {SpellDecision::Action::Stop, {}};
}

void SpellCheckDialog::choose(SpellDecision::Action action) {
  decision_ = {action, bytes(changeTo_->text())};
  accept();
}

SpellDecision SpellCheckDialog::ask(const SpellIssue& issue, const std::string& context) {
  present(issue, context);
  exec();  // closing the window counts as Cancel
  return decision_;
}

}  // namespace markloom
