#include "ui/toolbars/customize_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <functional>

#include "ui/toolbars/toolbar_layout.h"

namespace markloom {

namespace {
constexpr int kIdRole = Qt::UserRole;

// A list whose entries drag as mimeType (the entry's kIdRole data) and that
// takes drops of the types in accepts.
class DragList : public QListWidget {
 public:
  using Drop = std::function<void(const QMimeData*, int row)>;

  DragList(const char* name, QString mimeType, QStringList accepts, Drop onDrop, QWidget* parent)
      : QListWidget(parent), mimeType_(std::move(mimeType)), accepts_(std::move(accepts)), onDrop_(std::move(onDrop)) {
    setObjectName(name);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setIconSize(QSize(16, 16));
  }

 protected:
  QStringList mimeTypes() const override { return {mimeType_}; }
  QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override {
    if (items.isEmpty()) return nullptr;
    auto* payload = new QMimeData;
    payload->setData(mimeType_, items.first()->data(kIdRole).toString().toUtf8());
    return payload;
  }
  void dragEnterEvent(QDragEnterEvent* event) override { acceptIfKnown(event); }
  void dragMoveEvent(QDragMoveEvent* event) override { acceptIfKnown(event); }
  void dropEvent(QDropEvent* event) override {
    if (!takes(event->mimeData())) return event->ignore();
    const QListWidgetItem* at = itemAt(event->position().toPoint());
    event->acceptProposedAction();
    onDrop_(event->mimeData(), at ? row(at) : -1);
  }

 private:
  bool takes(const QMimeData* payload) const {
    for (const QString& type : accepts_)
      if (payload && payload->hasFormat(type)) return true;
    return false;
  }
  void acceptIfKnown(QDropEvent* event) {
    if (takes(event->mimeData()))
      event->acceptProposedAction();
    else
      event->ignore();
  }

  QString mimeType_;
  QStringList accepts_;
  Drop onDrop_;
};

// What the toolbar list shows for an entry: a command's caption and icon, a
// control's text or hint.
void describe(QListWidgetItem* row, const QAction* item) {
  if (item->isSeparator()) {
    row->setText("Separator");
    return;
  }
  const auto* control = qobject_cast<const QWidgetAction*>(item);
  if (const QWidget* widget = control ? control->defaultWidget() : nullptr) {
    const auto* button = qobject_cast<const QToolButton*>(widget);
    QString text = button && !button->text().isEmpty() ? button->text() : widget->toolTip();
    row->setText(text.isEmpty() ? widget->objectName() : text);
    if (button) row->setIcon(button->icon());
    return;
  }
  row->setText(plainCaption(item->text()));
  row->setIcon(item->icon());
}
}  // namespace

CustomizeDialog::CustomizeDialog(ToolbarLayout& layout, QList<CommandCategory> categories, QWidget* parent)
    : QDialog(parent), layout_(&layout), categoryData_(std::move(categories)) {
  setObjectName("CustomizeDialog");
  setWindowTitle("Customize");

  categories_ = new QListWidget(this);
  categories_->setObjectName("Categories");
  for (const CommandCategory& category : categoryData_) categories_->addItem(category.name);
  categories_->setMaximumWidth(140);

  commands_ = new DragList(
      "Commands", kCommandMime, {kToolbarItemMime},
      [this](const QMimeData*, int) { removeSelected(); },  // an entry of the toolbar dragged back: off it goes
      this);
  toolbarBox_ = new QComboBox(this);
  toolbarBox_->setObjectName("ToolbarBox");
  for (QToolBar* bar : layout.toolbars()) toolbarBox_->addItem(bar->windowTitle(), bar->objectName());
  toolbarItems_ = new DragList(
      "ToolbarCommands", kToolbarItemMime, {kCommandMime, kToolbarItemMime},
      [this](const QMimeData* payload, int row) {
        if (payload->hasFormat(kCommandMime)) return dropCommand(shownToolbar(), payload, row);
        // An entry dragged within the list moves before the entry it is dropped on.
        const int from = toolbarItems_->currentRow();
        QToolBar* bar = shownToolbar();
        if (!bar || !layout_ || from < 0 || from >= bar->actions().size()) return;
        layout_->insert(bar, bar->actions().at(from), row);
      },
      this);

  add_ = new QPushButton("&Add", this);
  add_->setObjectName("AddButton");
  separator_ = new QPushButton("&Separator", this);
  separator_->setObjectName("SeparatorButton");
  remove_ = new QPushButton("Re&move", this);
  remove_->setObjectName("RemoveButton");
  auto* reset = new QPushButton("R&eset", this);
  reset->setObjectName("ResetButton");
  auto* close = new QPushButton("&Close", this);
  close->setObjectName("CloseButton");
  close->setDefault(true);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Categories:", this), 0, 0);
  grid->addWidget(categories_, 1, 0, 2, 1);
  grid->addWidget(new QLabel("Commands:", this), 0, 1);
  grid->addWidget(commands_, 1, 1, 2, 1);
  auto* toolbarLabel = new QLabel("&Toolbar:", this);
  toolbarLabel->setBuddy(toolbarBox_);
  grid->addWidget(toolbarLabel, 0, 2);
  grid->addWidget(toolbarBox_, 1, 2);
  grid->addWidget(toolbarItems_, 2, 2);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {add_, separator_, remove_, reset}) buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(close);
  grid->addLayout(buttons, 1, 3, 2, 1);
  grid->setRowStretch(2, 1);
  auto* column = new QVBoxLayout(this);
  column->addLayout(grid, 1);
  auto* hint = new QLabel("Drag a command onto a toolbar, or choose a toolbar and press Add.", this);
  hint->setWordWrap(true);
  column->addWidget(hint);
  resize(640, 420);

  connect(categories_, &QListWidget::currentRowChanged, this, &CustomizeDialog::showCategory);
  connect(commands_, &QListWidget::currentRowChanged, this, &CustomizeDialog::updateButtons);
  connect(commands_, &QListWidget::itemDoubleClicked, this, &CustomizeDialog::addSelected);
  connect(toolbarBox_, &QComboBox::currentIndexChanged, this, &CustomizeDialog::showToolbar);
  connect(toolbarItems_, &QListWidget::currentRowChanged, this, &CustomizeDialog::updateButtons);
  connect(add_, &QPushButton::clicked, this, &CustomizeDialog::addSelected);
  connect(separator_, &QPushButton::clicked, this, &CustomizeDialog::addSeparator);
  connect(remove_, &QPushButton::clicked, this, &CustomizeDialog::removeSelected);
  connect(reset, &QPushButton::clicked, this, &CustomizeDialog::resetAll);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(&layout, &ToolbarLayout::changed, this, [this](QToolBar* bar) {
    if (bar == shownToolbar()) showToolbar();
  });

  // The toolbars themselves take commands dragged from the list.
  for (QToolBar* bar : layout.toolbars()) {
    if (bar->acceptDrops()) continue;
    bar->setAcceptDrops(true);
    bar->installEventFilter(this);
    watched_.append(bar);
  }

  categories_->setCurrentRow(0);
  showToolbar();
}

CustomizeDialog* CustomizeDialog::open(QWidget* window, ToolbarLayout& layout, const QMenuBar* menus) {
  for (auto* shown : window->findChildren<CustomizeDialog*>(Qt::FindDirectChildrenOnly)) {
    if (!shown->isVisible()) continue;
    shown->raise();
    shown->activateWindow();
    return shown;
  }
  auto* dialog = new CustomizeDialog(layout, menus ? commandCategories(menus) : QList<CommandCategory>(), window);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
  dialog->show();
  return dialog;
}

CustomizeDialog::~CustomizeDialog() {
  for (const QPointer<QToolBar>& bar : watched_) {
    if (!bar) continue;
    bar->removeEventFilter(this);
    bar->setAcceptDrops(false);
  }
}

bool CustomizeDialog::selectCommand(const QString& category, const QString& caption) {
  for (int c = 0; c < categoryData_.size(); ++c) {
    if (categoryData_[c].name != category) continue;
    categories_->setCurrentRow(c);
    for (int i = 0; i < commands_->count(); ++i) {
      if (commands_->item(i)->text() == caption) {
        commands_->setCurrentRow(i);
        return true;
      }
    }
  }
  return false;
}

void CustomizeDialog::showCategory(int row) {
  commands_->clear();
  if (row < 0 || row >= categoryData_.size()) return;
  for (const CommandEntry& entry : categoryData_[row].commands) {
    auto* item = new QListWidgetItem(entry.action->icon(), entry.caption, commands_);
    item->setData(kIdRole, entry.action->objectName());
    item->setToolTip(entry.action->toolTip());
  }
  updateButtons();
}

QToolBar* CustomizeDialog::shownToolbar() const {
  return layout_ ? layout_->toolbar(toolbarBox_->currentData().toString()) : nullptr;
}

void CustomizeDialog::showToolbar() {
  const int keep = toolbarItems_->currentRow();
  toolbarItems_->clear();
  if (QToolBar* bar = shownToolbar()) {
    for (const QAction* item : bar->actions()) {
      auto* row = new QListWidgetItem(toolbarItems_);
      describe(row, item);
      row->setData(kIdRole, ToolbarLayout::itemId(item));
    }
  }
  toolbarItems_->setCurrentRow(std::min(keep, toolbarItems_->count() - 1));
  updateButtons();
}

QAction* CustomizeDialog::selectedCommand() const {
  const QListWidgetItem* item = commands_->currentItem();
  return item ? findCommand(categoryData_, item->data(kIdRole).toString()) : nullptr;
}

// A new entry goes after the toolbar entry selected, or at the end.
void CustomizeDialog::addSelected() {
  QAction* command = selectedCommand();
  QToolBar* bar = shownToolbar();
  if (!command || !bar || !layout_) return;
  const int selected = toolbarItems_->currentRow();
  const int at = selected < 0 ? -1 : selected + 1;
  layout_->insert(bar, command, at);
  toolbarItems_->setCurrentRow(static_cast<int>(bar->actions().indexOf(command)));
}

void CustomizeDialog::addSeparator() {
  QToolBar* bar = shownToolbar();
  if (!bar || !layout_) return;
  const int selected = toolbarItems_->currentRow();
  layout_->insertSeparator(bar, selected < 0 ? -1 : selected + 1);
  toolbarItems_->setCurrentRow(selected < 0 ? toolbarItems_->count() - 1 : selected + 1);
}

void CustomizeDialog::removeSelected() {
  QToolBar* bar = shownToolbar();
  const int selected = toolbarItems_->currentRow();
  if (!bar || !layout_ || selected < 0) return;
  layout_->remove(bar, selected);
}

void CustomizeDialog::resetAll() {
  if (layout_) layout_->reset();
}

void CustomizeDialog::updateButtons() {
  add_->setEnabled(commands_->currentItem() != nullptr && shownToolbar() != nullptr);
  separator_->setEnabled(shownToolbar() != nullptr);
  remove_->setEnabled(toolbarItems_->currentItem() != nullptr);
}

void CustomizeDialog::dropCommand(QToolBar* bar, const QMimeData* payload, int index) {
  QAction* command = findCommand(categoryData_, QString::fromUtf8(payload->data(kCommandMime)));
  if (command && bar && layout_) layout_->insert(bar, command, index);
}

bool CustomizeDialog::eventFilter(QObject* watched, QEvent* event) {
  auto* bar = qobject_cast<QToolBar*>(watched);
  const auto type = event->type();
  if (!bar || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
    return QDialog::eventFilter(watched, event);
  auto* drop = static_cast<QDropEvent*>(event);
  if (!drop->mimeData() || !drop->mimeData()->hasFormat(kCommandMime)) return false;
  drop->acceptProposedAction();
  if (type == QEvent::Drop) {
    // Dropped on a button: it goes before that button.
    QAction* at = bar->actionAt(drop->position().toPoint());
    dropCommand(bar, drop->mimeData(), at ? static_cast<int>(bar->actions().indexOf(at)) : -1);
  }
  return true;
}

}  // namespace markloom
