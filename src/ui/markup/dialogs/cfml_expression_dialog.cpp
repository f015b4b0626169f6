#include "ui/markup/dialogs/cfml_expression_dialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/document/data_file_text.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scintilla_editor_ops.h"
#include "platform/files/program_folder.h"
#include "ui/common/command_guard.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

using namespace dialogkit;

namespace {
constexpr int kFileRole = Qt::UserRole;
const QString kCaption = QStringLiteral("CFML Expression Builder");
}  // namespace

CfmlExpressionDialog::CfmlExpressionDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TColdForm");
  setWindowTitle(kCaption);
  resize(399, 453);
  auto* layout = new QVBoxLayout(this);

  expressionEditor_ = new MarkloomEditor(this);
  expressionEditor_->setObjectName("RichEdit1");
  expressionEditor_->setWrapMode(QsciScintilla::WrapWord);
  expressionEditor_->setTabIndents(false);
  expressionEditor_->setMarginWidth(0, 0);
  expressionEditor_->setMarginWidth(1, 0);
  expressionEditor_->setMinimumHeight(110);
  ops_ = std::make_unique<ScintillaEditorOps>(*expressionEditor_);
  layout->addWidget(expressionEditor_, 1);

  auto* operators = new QGridLayout;
  operators->setSpacing(2);
  const auto& table = tags::cfmlOperators();
  for (int i = 0; i < static_cast<int>(table.size()); ++i) {
    const tags::CfmlOperator& op = table[i];
    auto* button = new QPushButton(fromUtf8(op.caption), this);
    button->setObjectName(QStringLiteral("Button%1").arg(i + 1));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);  // the caret stays in the expression
    const std::string text(op.text);
    connect(button, &QPushButton::clicked, this, [this, text] {
      ops_->insertAtCaret(text);
      expressionEditor_->setFocus();
    });
    operators->addWidget(button, i / 9, i % 9);
  }
  layout->addLayout(operators);

  auto* lists = new QHBoxLayout;
  categoryTree_ = new QTreeWidget(this);
  categoryTree_->setObjectName("TreeView1");
  categoryTree_->setHeaderHidden(true);
  categoryTree_->setRootIsDecorated(false);
  QTreeWidgetItem* group = nullptr;
  for (const tags::CfmlCategory& c : tags::cfmlCategories()) {
    if (!group || group->text(0) != fromUtf8(c.group)) {
      group = new QTreeWidgetItem(categoryTree_, QStringList{fromUtf8(c.group)});
      group->setExpanded(true);
    }
    auto* leaf = new QTreeWidgetItem(group, QStringList{fromUtf8(c.name)});
    leaf->setData(0, kFileRole, fromUtf8(c.file));
  }
  categoryTree_->expandAll();
  entryList_ = new QListWidget(this);
  entryList_->setObjectName("ListBox1");
  entryList_->addItem(fromUtf8(tags::kCfmlInitialEntry));
  entryList_->viewport()->installEventFilter(this);
  lists->addWidget(categoryTree_, 1);
  lists->addWidget(entryList_, 2);
  layout->addLayout(lists, 1);

  addOkCancel(this, layout, true, {"Button18", "Button19"});
  connect(categoryTree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { showCategory(item); });
  dialogkit::fitToContent(this);
}

CfmlExpressionDialog::~CfmlExpressionDialog() = default;

EditorOps& CfmlExpressionDialog::expression() { return *ops_; }

tags::CfmlExpressionFields CfmlExpressionDialog::fields() const { return {ops_->lines()}; }

void CfmlExpressionDialog::setFields(const tags::CfmlExpressionFields& f) { ops_->setLines(f.lines); }

void CfmlExpressionDialog::showCategory(QTreeWidgetItem* item) {
  if (!item || !item->parent()) return;
  entryList_->clear();
  guarded([&] {
    const QString file = item->data(0, kFileRole).toString();
    entryList_->addItems(fromUtf8(readListText(programPath(file).toStdString())));
  });
}

void CfmlExpressionDialog::insertEntry() {
  if (entryList_->count() == 0) {
    Prompter::instance().message(kCaption, fromUtf8(tags::kCfmlNoTypeMessage), Prompter::Icon::Warning,
                                 Prompter::Buttons::Ok);
    return;
  }
  const QListWidgetItem* item = entryList_->currentItem();
  if (!item) return;
  ops_->insertAtCaret(toUtf8(item->text()));
}

bool CfmlExpressionDialog::eventFilter(QObject* watched, QEvent* event) {
  // A double-click anywhere in the list, also on an empty one.
  if (watched == entryList_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    QListWidgetItem* hit = nullptr;
    if (auto* mouse = dynamic_cast<QMouseEvent*>(event)) hit = entryList_->itemAt(mouse->position().toPoint());
    if (hit) entryList_->setCurrentItem(hit);
    insertEntry();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace markloom
