#include "ui/highlighting/scheme_editor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <functional>

#include "core/common/error.h"
#include "core/highlighting/scheme_file.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/highlighting/colour_swatch.h"
#include "ui/highlighting/scheme_block_fields.h"
#include "ui/highlighting/scheme_styles_page.h"

namespace markloom {

namespace {

const QString kFilter = QStringLiteral("Syntax schemes (*.sch);;All Files (*)");

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
  styles_ = new SchemeStylesPage(scheme_);
  connect(styles_, &SchemeStylesPage::classChanged, this, &SchemeEditor::showStyle);
  connect(styles_, &SchemeStylesPage::colourClicked, this, &SchemeEditor::chooseStyleColour);
  connect(styles_, &SchemeStylesPage::edited, this, &SchemeEditor::readStyleFields);
  tabs->addTab(styles_, QStringLiteral("Styles"));
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

  fields_ = new SchemeBlockFields;
  connect(fields_, &SchemeBlockFields::edited, this, &SchemeEditor::readBlockFields);
  connect(fields_, &SchemeBlockFields::backgroundColourClicked, this, &SchemeEditor::chooseBackgroundColour);
  auto* scroll = new QScrollArea(page);
  scroll->setWidget(fields_);
  scroll->setWidgetResizable(true);

  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addWidget(scroll, 1);
  return page;
}

void SchemeEditor::chooseBackgroundColour() {
  SchemeBlock& b = block();
  const QColor start = b.background >= 0 ? schemeColour(static_cast<std::uint32_t>(b.background)) : QColor(Qt::white);
  if (const auto chosen = Prompter::instance().color(start)) {
    b.background = schemeRgb(*chosen);
    showBlock();
    changed();
  }
}

void SchemeEditor::chooseStyleColour() {
  TokenStyle& style = block().styles[styles_->currentClass()];
  if (const auto chosen = Prompter::instance().color(schemeColour(style.color))) {
    style.color = schemeRgb(*chosen);
    showStyle();
    changed();
  }
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
    const std::string& name = scheme_.blocks[b].name;
    item->setText(0, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
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
  styles_->selectAClass();
  showStyle();
}

void SchemeEditor::showBlock() {
  const SchemeBlock& b = block();
  fields_->showBlock(b);
  removeBlock_->setEnabled(b.parent >= 0);
  addBlock_->setEnabled(static_cast<int>(scheme_.blocks.size()) < kMaxSchemeBlocks &&
                        depthOf(scheme_, current_) < kMaxSchemeDepth);
}

void SchemeEditor::showStyle() { styles_->showStyle(block().styles[styles_->currentClass()]); }

void SchemeEditor::readBlockFields() {
  fields_->readInto(block());
  if (QTreeWidgetItem* item = tree_->currentItem()) item->setText(0, fields_->name());
  changed();
}

void SchemeEditor::readStyleFields() {
  styles_->readInto(block().styles[styles_->currentClass()]);
  changed();
}

void SchemeEditor::changed() {
  styles_->preview(scheme_);
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

void SchemeEditor::setSaveFolder(const QString& shippedFolder, const QString& ownFolder) {
  shippedFolder_ = shippedFolder;
  ownFolder_ = ownFolder;
}

void SchemeEditor::save() {
  if (fileName_.isEmpty()) {
    saveAs();
    return;
  }
  QString path = fileName_;
  const QFileInfo file(path);
  if (!ownFolder_.isEmpty() && file.absolutePath() == QDir(shippedFolder_).absolutePath())
    path = QDir(ownFolder_).filePath(file.fileName());
  writeTo(path);
  fileName_ = path;
}

void SchemeEditor::saveAs() {
  const QString folder = ownFolder_.isEmpty() ? folder_ : ownFolder_;
  QString proposed = fileName_.isEmpty() ? folder + QStringLiteral("/untitled.sch") : fileName_;
  if (!ownFolder_.isEmpty() && QFileInfo(proposed).absolutePath() == QDir(shippedFolder_).absolutePath())
    proposed = QDir(ownFolder_).filePath(QFileInfo(proposed).fileName());
  const QString path = Prompter::instance().saveFileName(QStringLiteral("Save Syntax Scheme"), proposed, kFilter);
  if (path.isEmpty()) return;
  writeTo(path);
  fileName_ = path;
}

void SchemeEditor::writeTo(const QString& path) {
  if (!ownFolder_.isEmpty()) QDir().mkpath(ownFolder_);
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
