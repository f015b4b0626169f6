#include "ui/markup/dialogs/cfml_expression_dialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/markup/tags/cfml_builder.h"
#include "core/text/line_list.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scintilla_editor_ops.h"
#include "platform/files/program_folder.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace builders;

namespace {
constexpr int kFileRole = Qt::UserRole;
const QString kCaption = QStringLiteral("CFML Expression Builder");
}  // namespace

CfmlExpressionDialog::CfmlExpressionDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TColdForm");
  setWindowTitle(kCaption);
  resize(399, 453);
  auto* layout = new QVBoxLayout(this);

  RichEdit1 = new MarkloomEditor(this);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setWrapMode(QsciScintilla::WrapWord);
  RichEdit1->setTabIndents(false);
  RichEdit1->setMarginWidth(0, 0);
  RichEdit1->setMarginWidth(1, 0);
  RichEdit1->setMinimumHeight(110);
  ops_ = std::make_unique<ScintillaEditorOps>(*RichEdit1);
  layout->addWidget(RichEdit1, 1);

  auto* operators = new QGridLayout;
  operators->setSpacing(2);
  const auto& table = markup::cfmlOperators();
  for (int i = 0; i < static_cast<int>(table.size()); ++i) {
    const markup::CfmlOperator& op = table[i];
    auto* button = new QPushButton(qs(op.caption), this);
    button->setObjectName(QStringLiteral("Button%1").arg(i + 1));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);  // the caret stays in the expression
    const std::string text(op.text);
    connect(button, &QPushButton::clicked, this, [this, text] {
      ops_->InsertAtCaret(text);
      RichEdit1->setFocus();
    });
    operators->addWidget(button, i / 9, i % 9);
  }
  layout->addLayout(operators);

  auto* lists = new QHBoxLayout;
  TreeView1 = new QTreeWidget(this);
  TreeView1->setObjectName("TreeView1");
  TreeView1->setHeaderHidden(true);
  TreeView1->setRootIsDecorated(false);
  QTreeWidgetItem* group = nullptr;
  for (const markup::CfmlCategory& c : markup::cfmlCategories()) {
    if (!group || group->text(0) != qs(c.group)) {
      group = new QTreeWidgetItem(TreeView1, QStringList{qs(c.group)});
      group->setExpanded(true);
    }
    auto* leaf = new QTreeWidgetItem(group, QStringList{qs(c.name)});
    leaf->setData(0, kFileRole, qs(c.file));
  }
  TreeView1->expandAll();
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->addItem(qs(markup::kCfmlInitialEntry));
  ListBox1->viewport()->installEventFilter(this);
  lists->addWidget(TreeView1, 1);
  lists->addWidget(ListBox1, 2);
  layout->addLayout(lists, 1);

  addOkCancel(this, layout, "Button18", "Button19");
  connect(TreeView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { TreeView1Click(item); });
}

CfmlExpressionDialog::~CfmlExpressionDialog() = default;

EditorOps& CfmlExpressionDialog::expression() { return *ops_; }

std::vector<std::string> CfmlExpressionDialog::expressionLines() const { return ops_->Lines(); }

void CfmlExpressionDialog::TreeView1Click(QTreeWidgetItem* item) {
  if (!item || !item->parent()) return;
  ListBox1->clear();
  guarded([&] {
    const QString file = item->data(0, kFileRole).toString();
    ListBox1->addItems(qsList(readLineList(programPath(file).toStdString())));
  });
}

void CfmlExpressionDialog::ListBox1DblClick() {
  if (ListBox1->count() == 0) {
    Prompter::instance().message(kCaption, qs(markup::kCfmlNoTypeMessage), Prompter::Icon::Warning,
                                 Prompter::Buttons::Ok);
    return;
  }
  const QListWidgetItem* item = ListBox1->currentItem();
  if (!item) return;
  ops_->InsertAtCaret(bytes(item->text()));
}

bool CfmlExpressionDialog::eventFilter(QObject* watched, QEvent* event) {
  // A double-click anywhere in the list, also on an empty one.
  if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    QListWidgetItem* hit = nullptr;
    if (auto* mouse = dynamic_cast<QMouseEvent*>(event)) hit = ListBox1->itemAt(mouse->position().toPoint());
    if (hit) ListBox1->setCurrentItem(hit);
    ListBox1DblClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace markloom
