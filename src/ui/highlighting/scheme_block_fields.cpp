#include "ui/highlighting/scheme_block_fields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

#include "core/highlighting/scheme_file.h"
#include "ui/highlighting/colour_swatch.h"

namespace markloom {

namespace {

QString text(const std::string& bytes) { return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())); }
std::string bytes(const QString& t) { return t.toUtf8().toStdString(); }

QString joined(const std::vector<std::string>& items, const QString& separator) {
  QStringList out;
  for (const auto& i : items) out << text(i);
  return out.join(separator);
}
std::vector<std::string> split(const QString& t, const QRegularExpression& separators) {
  std::vector<std::string> out;
  for (const QString& part : t.split(separators, Qt::SkipEmptyParts)) out.push_back(bytes(part));
  return out;
}

QTableWidget* pairTable(QWidget* parent, const char* name, const QString& left, const QString& right) {
  auto* t = new QTableWidget(0, 2, parent);
  t->setObjectName(name);
  t->setHorizontalHeaderLabels({left, right});
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  t->verticalHeader()->setVisible(false);
  t->setMinimumHeight(80);
  return t;
}
void setPairs(QTableWidget* t, const std::vector<std::pair<std::string, std::string>>& pairs) {
  t->setRowCount(static_cast<int>(pairs.size()) + 1);
  for (int r = 0; r < t->rowCount(); ++r)
    for (int c = 0; c < 2; ++c) {
      const bool filled = r < static_cast<int>(pairs.size());
      const auto& p = filled ? pairs[static_cast<std::size_t>(r)] : std::pair<std::string, std::string>{};
      t->setItem(r, c, new QTableWidgetItem(text(c == 0 ? p.first : p.second)));
    }
}
std::vector<std::pair<std::string, std::string>> pairs(const QTableWidget* t, std::size_t limit) {
  std::vector<std::pair<std::string, std::string>> out;
  for (int r = 0; r < t->rowCount() && out.size() < limit; ++r) {
    const QString a = t->item(r, 0) ? t->item(r, 0)->text() : QString();
    const QString b = t->item(r, 1) ? t->item(r, 1)->text() : QString();
    if (!a.isEmpty() && !b.isEmpty()) out.emplace_back(bytes(a), bytes(b));
  }
  return out;
}

}  // namespace

SchemeBlockFields::SchemeBlockFields(QWidget* parent) : QWidget(parent) {
  auto* form = new QFormLayout(this);
  name_ = edit("BlockName");
  form->addRow(QStringLiteral("Name"), name_);
  delimiters_ = pairTable(this, "Delimiters", QStringLiteral("Enter at"), QStringLiteral("Leave at"));
  form->addRow(QStringLiteral("Delimiters"), delimiters_);
  lineComments_ = edit("LineComments");
  lineComments_->setToolTip(QStringLiteral("Separated by blanks"));
  form->addRow(QStringLiteral("Line comments"), lineComments_);
  blockComments_ = pairTable(this, "BlockComments", QStringLiteral("Opens with"), QStringLiteral("Closes with"));
  form->addRow(QStringLiteral("Block comments"), blockComments_);
  for (QTableWidget* t : {delimiters_, blockComments_})
    connect(t, &QTableWidget::cellChanged, this, &SchemeBlockFields::userEdit);
  quotes_ = edit("Quotes");
  form->addRow(QStringLiteral("String quotes"), quotes_);
  escape_ = edit("Escape");
  escape_->setMaxLength(1);
  form->addRow(QStringLiteral("Escape character"), escape_);
  numbers_ = check("Numbers", QStringLiteral("Numbers"));
  form->addRow(QString(), numbers_);
  numberPrefixes_ = edit("NumberPrefixes");
  form->addRow(QStringLiteral("Number prefixes"), numberPrefixes_);
  identifierPrefixes_ = edit("IdentifierPrefixes");
  form->addRow(QStringLiteral("Identifier prefixes"), identifierPrefixes_);
  keywordSet_ = edit("KeywordSet");
  form->addRow(QStringLiteral("Keyword set"), keywordSet_);
  keywords_ = new QPlainTextEdit(this);
  keywords_->setObjectName("Keywords");
  keywords_->setMinimumHeight(60);
  connect(keywords_, &QPlainTextEdit::textChanged, this, &SchemeBlockFields::userEdit);
  form->addRow(QStringLiteral("Keywords"), keywords_);
  caseSensitive_ = check("CaseSensitive", QStringLiteral("Case sensitive"));
  form->addRow(QString(), caseSensitive_);
  lineContinuation_ = edit("LineContinuation");
  form->addRow(QStringLiteral("Line continuation"), lineContinuation_);
  background_ = check("OwnBackground", QStringLiteral("Own background"));
  backgroundColour_ = new QPushButton(this);
  backgroundColour_->setObjectName("BackgroundColour");
  connect(backgroundColour_, &QPushButton::clicked, this, &SchemeBlockFields::backgroundColourClicked);
  auto* bg = new QHBoxLayout;
  bg->addWidget(background_);
  bg->addWidget(backgroundColour_);
  form->addRow(QStringLiteral("Background"), bg);
}

QLineEdit* SchemeBlockFields::edit(const char* name) {
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  connect(e, &QLineEdit::textEdited, this, &SchemeBlockFields::userEdit);
  return e;
}

QCheckBox* SchemeBlockFields::check(const char* name, const QString& caption) {
  auto* c = new QCheckBox(caption, this);
  c->setObjectName(name);
  connect(c, &QCheckBox::toggled, this, &SchemeBlockFields::userEdit);
  return c;
}

void SchemeBlockFields::userEdit() {
  if (!filling_) emit edited();
}

QString SchemeBlockFields::name() const { return name_->text(); }

void SchemeBlockFields::showBlock(const SchemeBlock& b) {
  filling_ = true;
  name_->setText(text(b.name));
  setPairs(delimiters_, b.delimiters);
  lineComments_->setText(joined(b.lineComments, " "));
  setPairs(blockComments_, b.blockComments);
  quotes_->setText(text(b.quotes));
  escape_->setText(text(b.escape));
  numbers_->setChecked(b.numbers);
  numberPrefixes_->setText(joined(b.numberPrefixes, " "));
  identifierPrefixes_->setText(joined(b.identifierPrefixes, " "));
  keywordSet_->setText(text(b.keywordSetName));
  keywords_->setPlainText(joined(b.keywords, ","));
  caseSensitive_->setChecked(b.caseSensitive);
  lineContinuation_->setText(text(b.lineContinuation));
  background_->setChecked(b.background >= 0);
  backgroundColour_->setEnabled(b.background >= 0);
  paintSwatch(backgroundColour_,
              b.background >= 0 ? schemeColour(static_cast<std::uint32_t>(b.background)) : QColor(Qt::white));
  // The outermost block is never entered, so it has no delimiters.
  delimiters_->setEnabled(b.parent >= 0);
  filling_ = false;
}

void SchemeBlockFields::readInto(SchemeBlock& b) {
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  static const QRegularExpression listSeparators(QStringLiteral("[,\\s]+"));
  b.name = bytes(name_->text());
  if (b.parent >= 0) b.delimiters = pairs(delimiters_, kMaxBlockDelimiters);
  // A "*" cannot end a delimiter: it stands for the rest of a tag only before its last character.
  std::erase_if(b.delimiters, [](const auto& d) { return d.first.back() == '*'; });
  b.lineComments = split(lineComments_->text(), blanks);
  b.blockComments = pairs(blockComments_, kMaxBlockComments);
  b.quotes = bytes(quotes_->text());
  b.escape = bytes(escape_->text());
  b.numbers = numbers_->isChecked();
  b.numberPrefixes = split(numberPrefixes_->text(), blanks);
  b.identifierPrefixes = split(identifierPrefixes_->text(), blanks);
  b.keywordSetName = bytes(keywordSet_->text());
  b.keywords = split(keywords_->toPlainText(), listSeparators);
  b.caseSensitive = caseSensitive_->isChecked();
  b.lineContinuation = bytes(lineContinuation_->text());
  if (!background_->isChecked())
    b.background = -1;
  else if (b.background < 0)
    b.background = 0xFFFFFF;
  backgroundColour_->setEnabled(b.background >= 0);
  keepOneEmptyRow(delimiters_, kMaxBlockDelimiters);
  keepOneEmptyRow(blockComments_, kMaxBlockComments);
}

void SchemeBlockFields::keepOneEmptyRow(QTableWidget* t, std::size_t limit) {
  const int last = t->rowCount() - 1;
  const bool lastUsed = last >= 0 && ((t->item(last, 0) && !t->item(last, 0)->text().isEmpty()) ||
                                      (t->item(last, 1) && !t->item(last, 1)->text().isEmpty()));
  if (lastUsed && static_cast<std::size_t>(t->rowCount()) < limit) {
    filling_ = true;
    t->insertRow(t->rowCount());
    t->setItem(t->rowCount() - 1, 0, new QTableWidgetItem);
    t->setItem(t->rowCount() - 1, 1, new QTableWidgetItem);
    filling_ = false;
  }
}

}  // namespace markloom
