#include "ui/highlighting/scheme_editor.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "core/common/error.h"
#include "core/highlighting/scheme_file.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scheme_lexer.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"

namespace markloom {

namespace {

const char* const kClassCaptions[kTokenClassCount] = {"Text",    "Comment",    "String",   "Number",
                                                      "Keyword", "Identifier", "Delimiter"};
const QString kFilter = QStringLiteral("Syntax schemes (*.sch);;All Files (*)");
const char* kSample =
    "<!-- A page -->\r\n<p class=\"note\" id=n1>Text &amp; more</p>\r\n"
    "<script>\r\nfunction add(a, b) { return a + b + 0x1F; } // sum\r\nvar s = 'text';\r\n</script>\r\n"
    "<style>\r\nh1 { color: #FF8800; font-size: 12px } /* heading */\r\n</style>\r\n"
    "<% Dim x ' note\r\nx = \"asp\" %>\r\n<?php if ($a) { echo \"php\"; } # note ?>\r\n";

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

QColor qcolor(std::uint32_t c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }
std::uint32_t rgb(const QColor& c) {
  return (static_cast<std::uint32_t>(c.red()) << 16) | (static_cast<std::uint32_t>(c.green()) << 8) |
         static_cast<std::uint32_t>(c.blue());
}
void paint(QPushButton* button, const QColor& c) {
  button->setText(c.name().toUpper());
  button->setStyleSheet(
      QStringLiteral("background-color: %1; color: %2").arg(c.name(), c.lightness() < 128 ? "white" : "black"));
}

// A two-column table of pairs that always ends with one empty row to type in.
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

int depthOf(const SyntaxScheme& s, int block) {
  int d = 0;
  for (int p = s.blocks[static_cast<std::size_t>(block)].parent; p >= 0;
       p = s.blocks[static_cast<std::size_t>(p)].parent)
    ++d;
  return d;
}

// Blocks in writing order (each before its children), with parents renumbered.
SyntaxScheme inWritingOrder(const SyntaxScheme& s) {
  SyntaxScheme out;
  out.name = s.name;
  std::vector<int> newIndex(s.blocks.size(), -1);
  std::function<void(int)> visit = [&](int b) {
    newIndex[static_cast<std::size_t>(b)] = static_cast<int>(out.blocks.size());
    SchemeBlock copy = s.blocks[static_cast<std::size_t>(b)];
    if (copy.parent >= 0) copy.parent = newIndex[static_cast<std::size_t>(copy.parent)];
    out.blocks.push_back(copy);
    for (int c = 0; c < static_cast<int>(s.blocks.size()); ++c)
      if (c != b && s.blocks[static_cast<std::size_t>(c)].parent == b) visit(c);
  };
  for (int b = 0; b < static_cast<int>(s.blocks.size()); ++b)
    if (s.blocks[static_cast<std::size_t>(b)].parent < 0) {
      visit(b);
      break;
    }
  return out;
}

SyntaxScheme emptyScheme() {
  SyntaxScheme s;
  s.name = "New";
  SchemeBlock root;
  root.name = "Default";
  s.blocks.push_back(root);
  return s;
}

}  // namespace

SchemeEditor::SchemeEditor(const SyntaxScheme& scheme, const QString& folder, QWidget* parent)
    : QWidget(parent), scheme_(inWritingOrder(scheme)), folder_(folder) {
  setObjectName("SchemeEditor");
  if (scheme_.blocks.empty()) scheme_ = emptyScheme();
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("SchemePages");
  tabs->addTab(buildBlocksPage(), QStringLiteral("Blocks"));
  tabs->addTab(buildStylesPage(), QStringLiteral("Styles"));
  auto* buttons = new QHBoxLayout;
  auto button = [&](const char* name, const QString& caption, void (SchemeEditor::*slot)()) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, [this, slot] { guarded([&] { (this->*slot)(); }); });
    buttons->addWidget(b);
  };
  button("LoadButton", QStringLiteral("&Load..."), &SchemeEditor::load);
  button("SaveButton", QStringLiteral("&Save"), &SchemeEditor::save);
  button("SaveAsButton", QStringLiteral("Save &As..."), &SchemeEditor::saveAs);
  button("ClearButton", QStringLiteral("C&lear"), &SchemeEditor::clear);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tabs);
  layout->addLayout(buttons);
  fillTree();
  selectBlock(0);
}

QWidget* SchemeEditor::buildBlocksPage() {
  auto* page = new QWidget;
  tree_ = new QTreeWidget(page);
  tree_->setObjectName("BlockTree");
  tree_->setHeaderHidden(true);
  tree_->setMaximumWidth(170);
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (filling_ || !item) return;
    selectBlock(item->data(0, Qt::UserRole).toInt());
  });
  addBlock_ = new QPushButton(QStringLiteral("Add"), page);
  addBlock_->setObjectName("AddBlockButton");
  addBlock_->setToolTip(QStringLiteral("Add a block inside the selected one"));
  removeBlock_ = new QPushButton(QStringLiteral("Remove"), page);
  removeBlock_->setObjectName("RemoveBlockButton");
  connect(addBlock_, &QPushButton::clicked, this, &SchemeEditor::addBlock);
  connect(removeBlock_, &QPushButton::clicked, this, &SchemeEditor::removeBlock);
  auto* left = new QVBoxLayout;
  left->addWidget(tree_);
  auto* treeButtons = new QHBoxLayout;
  treeButtons->addWidget(addBlock_);
  treeButtons->addWidget(removeBlock_);
  left->addLayout(treeButtons);

  auto* fields = new QWidget;
  auto* form = new QFormLayout(fields);
  auto edit = [&](const char* name) {
    auto* e = new QLineEdit(fields);
    e->setObjectName(name);
    connect(e, &QLineEdit::textEdited, this, [this] { readBlockFields(); });
    return e;
  };
  auto check = [&](const char* name, const QString& caption) {
    auto* c = new QCheckBox(caption, fields);
    c->setObjectName(name);
    connect(c, &QCheckBox::toggled, this, [this] { readBlockFields(); });
    return c;
  };
  name_ = edit("BlockName");
  form->addRow(QStringLiteral("Name"), name_);
  delimiters_ = pairTable(fields, "Delimiters", QStringLiteral("Enter at"), QStringLiteral("Leave at"));
  form->addRow(QStringLiteral("Delimiters"), delimiters_);
  lineComments_ = edit("LineComments");
  lineComments_->setToolTip(QStringLiteral("Separated by blanks"));
  form->addRow(QStringLiteral("Line comments"), lineComments_);
  blockComments_ = pairTable(fields, "BlockComments", QStringLiteral("Opens with"), QStringLiteral("Closes with"));
  form->addRow(QStringLiteral("Block comments"), blockComments_);
  for (QTableWidget* t : {delimiters_, blockComments_})
    connect(t, &QTableWidget::cellChanged, this, [this] { readBlockFields(); });
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
  keywords_ = new QPlainTextEdit(fields);
  keywords_->setObjectName("Keywords");
  keywords_->setMinimumHeight(60);
  connect(keywords_, &QPlainTextEdit::textChanged, this, [this] { readBlockFields(); });
  form->addRow(QStringLiteral("Keywords"), keywords_);
  caseSensitive_ = check("CaseSensitive", QStringLiteral("Case sensitive"));
  form->addRow(QString(), caseSensitive_);
  lineContinuation_ = edit("LineContinuation");
  form->addRow(QStringLiteral("Line continuation"), lineContinuation_);
  background_ = check("OwnBackground", QStringLiteral("Own background"));
  backgroundColour_ = new QPushButton(fields);
  backgroundColour_->setObjectName("BackgroundColour");
  connect(backgroundColour_, &QPushButton::clicked, this, [this] {
    auto& b = scheme_.blocks[static_cast<std::size_t>(current_)];
    const QColor start = b.background >= 0 ? qcolor(static_cast<std::uint32_t>(b.background)) : QColor(Qt::white);
    if (const auto chosen = Prompter::instance().color(start)) {
      b.background = rgb(*chosen);
      showBlock();
      changed();
    }
  });
  auto* bg = new QHBoxLayout;
  bg->addWidget(background_);
  bg->addWidget(backgroundColour_);
  form->addRow(QStringLiteral("Background"), bg);
  auto* scroll = new QScrollArea(page);
  scroll->setWidget(fields);
  scroll->setWidgetResizable(true);

  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addWidget(scroll, 1);
  return page;
}

QWidget* SchemeEditor::buildStylesPage() {
  auto* page = new QWidget;
  classes_ = new QListWidget(page);
  classes_->setObjectName("StyleClasses");
  for (const char* c : kClassCaptions) classes_->addItem(QString::fromLatin1(c));
  classes_->setMaximumWidth(120);
  connect(classes_, &QListWidget::currentRowChanged, this, [this] { showStyle(); });
  styleColour_ = new QPushButton(page);
  styleColour_->setObjectName("StyleColour");
  connect(styleColour_, &QPushButton::clicked, this, [this] {
    const int cls = std::max(0, classes_->currentRow());
    auto& style = scheme_.blocks[static_cast<std::size_t>(current_)].styles[cls];
    if (const auto chosen = Prompter::instance().color(qcolor(style.color))) {
      style.color = rgb(*chosen);
      showStyle();
      changed();
    }
  });
  bold_ = new QCheckBox(QStringLiteral("Bold"), page);
  bold_->setObjectName("Bold");
  italic_ = new QCheckBox(QStringLiteral("Italic"), page);
  italic_->setObjectName("Italic");
  for (QCheckBox* c : {bold_, italic_}) connect(c, &QCheckBox::toggled, this, [this] { readStyleFields(); });
  auto* controls = new QVBoxLayout;
  controls->addWidget(new QLabel(QStringLiteral("Style of the block selected under Blocks"), page));
  controls->addWidget(classes_);
  controls->addWidget(styleColour_);
  controls->addWidget(bold_);
  controls->addWidget(italic_);
  controls->addStretch();
  preview_ = new MarkloomEditor(page);
  preview_->setObjectName("Preview");
  lexer_ = new SchemeLexer(scheme_, this);
  preview_->setLexer(lexer_);
  preview_->loadBytes(kSample);
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(controls);
  layout->addWidget(preview_, 1);
  return page;
}

void SchemeEditor::setScheme(const SyntaxScheme& scheme) {
  scheme_ = inWritingOrder(scheme);
  if (scheme_.blocks.empty()) scheme_ = emptyScheme();
  fillTree();
  selectBlock(0);
  changed();
}

void SchemeEditor::fillTree() {
  filling_ = true;
  tree_->clear();
  std::vector<QTreeWidgetItem*> items(scheme_.blocks.size(), nullptr);
  for (std::size_t b = 0; b < scheme_.blocks.size(); ++b) {
    const int parent = scheme_.blocks[b].parent;
    auto* item = parent >= 0 && items[static_cast<std::size_t>(parent)]
                     ? new QTreeWidgetItem(items[static_cast<std::size_t>(parent)])
                     : new QTreeWidgetItem(tree_);
    item->setText(0, text(scheme_.blocks[b].name));
    item->setData(0, Qt::UserRole, static_cast<int>(b));
    items[b] = item;
  }
  tree_->expandAll();
  filling_ = false;
}

void SchemeEditor::selectBlock(int index) {
  if (index < 0 || index >= static_cast<int>(scheme_.blocks.size())) return;
  current_ = index;
  filling_ = true;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if ((*it)->data(0, Qt::UserRole).toInt() == index) tree_->setCurrentItem(*it);
  filling_ = false;
  showBlock();
  if (classes_->currentRow() < 0) classes_->setCurrentRow(0);
  showStyle();
}

void SchemeEditor::showBlock() {
  const SchemeBlock& b = scheme_.blocks[static_cast<std::size_t>(current_)];
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
  paint(backgroundColour_, b.background >= 0 ? qcolor(static_cast<std::uint32_t>(b.background)) : QColor(Qt::white));
  // The outermost block is never entered, so it has no delimiters.
  delimiters_->setEnabled(b.parent >= 0);
  removeBlock_->setEnabled(b.parent >= 0);
  addBlock_->setEnabled(static_cast<int>(scheme_.blocks.size()) < kMaxSchemeBlocks &&
                        depthOf(scheme_, current_) < kMaxSchemeDepth);
  filling_ = false;
}

void SchemeEditor::showStyle() {
  const int cls = std::max(0, classes_->currentRow());
  const TokenStyle& s = scheme_.blocks[static_cast<std::size_t>(current_)].styles[cls];
  filling_ = true;
  paint(styleColour_, qcolor(s.color));
  bold_->setChecked(s.bold);
  italic_->setChecked(s.italic);
  filling_ = false;
}

void SchemeEditor::readBlockFields() {
  if (filling_) return;
  SchemeBlock& b = scheme_.blocks[static_cast<std::size_t>(current_)];
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
  // Keep one empty row to type a further pair in.
  for (QTableWidget* t : {delimiters_, blockComments_}) {
    const int last = t->rowCount() - 1;
    const bool lastUsed = last >= 0 && ((t->item(last, 0) && !t->item(last, 0)->text().isEmpty()) ||
                                        (t->item(last, 1) && !t->item(last, 1)->text().isEmpty()));
    const std::size_t limit = t == delimiters_ ? kMaxBlockDelimiters : kMaxBlockComments;
    if (lastUsed && static_cast<std::size_t>(t->rowCount()) < limit) {
      filling_ = true;
      t->insertRow(t->rowCount());
      t->setItem(t->rowCount() - 1, 0, new QTableWidgetItem);
      t->setItem(t->rowCount() - 1, 1, new QTableWidgetItem);
      filling_ = false;
    }
  }
  if (QTreeWidgetItem* item = tree_->currentItem()) item->setText(0, name_->text());
  changed();
}

void SchemeEditor::readStyleFields() {
  if (filling_) return;
  const int cls = std::max(0, classes_->currentRow());
  TokenStyle& s = scheme_.blocks[static_cast<std::size_t>(current_)].styles[cls];
  s.bold = bold_->isChecked();
  s.italic = italic_->isChecked();
  changed();
}

void SchemeEditor::changed() {
  lexer_->setScheme(scheme_);
  emit schemeChanged();
}

void SchemeEditor::addBlock() {
  if (static_cast<int>(scheme_.blocks.size()) >= kMaxSchemeBlocks || depthOf(scheme_, current_) >= kMaxSchemeDepth)
    return;
  SchemeBlock b;
  b.name = "Block" + std::to_string(scheme_.blocks.size() + 1);
  b.parent = current_;
  b.styles[static_cast<int>(TokenClass::Comment)] = {0x008000, false, true};
  scheme_.blocks.push_back(b);
  // Keep the list in writing order, so what is saved reads back the same.
  const std::string name = b.name;
  scheme_ = inWritingOrder(scheme_);
  fillTree();
  for (int i = 0; i < static_cast<int>(scheme_.blocks.size()); ++i)
    if (scheme_.blocks[static_cast<std::size_t>(i)].name == name &&
        scheme_.blocks[static_cast<std::size_t>(i)].delimiters.empty())
      selectBlock(i);
  changed();
}

void SchemeEditor::removeBlock() {
  if (scheme_.blocks[static_cast<std::size_t>(current_)].parent < 0) return;
  // The block goes with everything inside it.
  std::vector<bool> gone(scheme_.blocks.size(), false);
  gone[static_cast<std::size_t>(current_)] = true;
  for (std::size_t b = 0; b < scheme_.blocks.size(); ++b)
    for (int p = scheme_.blocks[b].parent; p >= 0; p = scheme_.blocks[static_cast<std::size_t>(p)].parent)
      if (gone[static_cast<std::size_t>(p)]) gone[b] = true;
  const int parent = scheme_.blocks[static_cast<std::size_t>(current_)].parent;
  std::vector<int> newIndex(scheme_.blocks.size(), -1);
  SyntaxScheme kept;
  kept.name = scheme_.name;
  for (std::size_t b = 0; b < scheme_.blocks.size(); ++b) {
    if (gone[b]) continue;
    newIndex[b] = static_cast<int>(kept.blocks.size());
    SchemeBlock copy = scheme_.blocks[b];
    if (copy.parent >= 0) copy.parent = newIndex[static_cast<std::size_t>(copy.parent)];
    kept.blocks.push_back(copy);
  }
  scheme_ = kept;
  fillTree();
  selectBlock(newIndex[static_cast<std::size_t>(parent)]);
  changed();
}

void SchemeEditor::load() {
  const QString path = Prompter::instance().openFileName(QStringLiteral("Load Syntax Scheme"), folder_, kFilter);
  if (path.isEmpty()) return;
  setScheme(readSchemeFile(QFile::encodeName(path).toStdString()));
  fileName_ = path;
}

void SchemeEditor::save() {
  if (fileName_.isEmpty()) {
    saveAs();
    return;
  }
  writeTo(fileName_);
}

void SchemeEditor::saveAs() {
  const QString proposed = fileName_.isEmpty() ? folder_ + QStringLiteral("/untitled.sch") : fileName_;
  const QString path = Prompter::instance().saveFileName(QStringLiteral("Save Syntax Scheme"), proposed, kFilter);
  if (path.isEmpty()) return;
  writeTo(path);
  fileName_ = path;
}

void SchemeEditor::writeTo(const QString& path) {
  // Only what reads back is written: a scheme file the program cannot load
  // would be worse than none.
  const std::string written = writeSchemeText(scheme_);
  try {
    parseSchemeText(written);
  } catch (const Error& e) {
    throw Error("The scheme cannot be saved: " + std::string(e.what()));
  }
  writeSchemeFile(QFile::encodeName(path).toStdString(), scheme_);
}

void SchemeEditor::clear() {
  setScheme(emptyScheme());
  fileName_.clear();
}

}  // namespace markloom
