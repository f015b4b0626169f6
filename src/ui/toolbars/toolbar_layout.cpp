#include "ui/toolbars/toolbar_layout.h"

#include <QAction>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWidgetAction>

#include "core/workspace/kept_toolbars.h"
#include "platform/settings/ini_settings_store.h"
#include "ui/toolbars/customize_dialog.h"

namespace markloom {

namespace {
QString separatorId() {
  return QString::fromUtf8(kToolbarSeparator.data(), static_cast<qsizetype>(kToolbarSeparator.size()));
}
}  // namespace

ToolbarLayout::ToolbarLayout(QWidget* window, std::string key, CommandLookup lookup)
    : QObject(window), window_(window), key_(std::move(key)), lookup_(std::move(lookup)) {
  setObjectName("ToolbarLayout");
}

void ToolbarLayout::addToolbar(QToolBar* bar) {
  if (!bar || toolbars_.contains(bar)) return;
  toolbars_.append(bar);
  defaults_.insert(bar, items(bar));
  for (QAction* item : bar->actions()) {
    auto* control = qobject_cast<QWidgetAction*>(item);
    if (control && control->defaultWidget() && !control->defaultWidget()->objectName().isEmpty())
      controls_.insert(control->defaultWidget()->objectName(), control);
  }
}

QToolBar* ToolbarLayout::toolbar(const QString& name) const {
  for (QToolBar* bar : toolbars_)
    if (bar->objectName() == name) return bar;
  return nullptr;
}

QString ToolbarLayout::itemId(const QAction* item) {
  if (item->isSeparator()) return separatorId();
  if (const auto* control = qobject_cast<const QWidgetAction*>(item); control && control->defaultWidget())
    return control->defaultWidget()->objectName();
  return item->objectName();
}

QStringList ToolbarLayout::items(const QToolBar* bar) const {
  QStringList ids;
  for (const QAction* item : bar->actions()) {
    const QString id = itemId(item);
    if (!id.isEmpty()) ids << id;
  }
  return ids;
}

void ToolbarLayout::insert(QToolBar* bar, QAction* command, int index) {
  if (!bar || !command) return;
  const QList<QAction*> present = bar->actions();
  QAction* before = index >= 0 && index < present.size() ? present[index] : nullptr;
  if (before == command) return;
  bar->insertAction(before, command);
  emit changed(bar);
}

void ToolbarLayout::insertSeparator(QToolBar* bar, int index) {
  if (!bar) return;
  const QList<QAction*> present = bar->actions();
  bar->insertSeparator(index >= 0 && index < present.size() ? present[index] : nullptr);
  emit changed(bar);
}

void ToolbarLayout::remove(QToolBar* bar, int index) {
  if (!bar) return;
  const QList<QAction*> present = bar->actions();
  if (index < 0 || index >= present.size()) return;
  takeOff(bar, present[index]);
  emit changed(bar);
}

void ToolbarLayout::takeOff(QToolBar* bar, QAction* item) {
  bar->removeAction(item);
  // Separators belong to their toolbar and mean nothing elsewhere; a control
  // taken off is kept (hidden) by its action for a later reset.
  if (item->isSeparator() && item->parent() == bar) delete item;
}

void ToolbarLayout::reset() {
  rebuild(defaults_);
  for (QToolBar* bar : toolbars_) {
    bar->setVisible(true);
    emit changed(bar);
  }
}

QAction* ToolbarLayout::resolve(const QString& id, QList<QAction*>& placed) const {
  if (QWidgetAction* control = controls_.value(id); control && !placed.contains(control)) {
    placed << control;
    return control;
  }
  QAction* command = lookup_ ? lookup_(id) : nullptr;
  if (!command || command->isSeparator() || qobject_cast<QWidgetAction*>(command)) return nullptr;
  return command;
}

void ToolbarLayout::rebuild(const QHash<const QToolBar*, QStringList>& lists) {
  for (QToolBar* bar : toolbars_)
    for (QAction* item : bar->actions()) takeOff(bar, item);
  QList<QAction*> placed;
  for (QToolBar* bar : toolbars_) {
    for (const QString& id : lists.value(bar)) {
      if (id == separatorId()) {
        bar->addSeparator();
      } else if (QAction* item = resolve(id, placed)) {
        bar->addAction(item);
      }
    }
  }
}

void ToolbarLayout::restore(SettingsStore& store) {
  std::vector<std::string> names;
  for (const QToolBar* bar : toolbars_) names.push_back(bar->objectName().toStdString());
  const KeptToolbars kept = readKeptToolbars(store, key_, names);
  if (kept.toolbars.size() != static_cast<std::size_t>(toolbars_.size())) return;

  QHash<const QToolBar*, QStringList> lists = defaults_;
  bool anyKept = false;
  for (qsizetype i = 0; i < toolbars_.size(); ++i) {
    const auto& items = kept.toolbars[static_cast<std::size_t>(i)].items;
    if (!items) continue;
    QStringList ids;
    for (const std::string& id : *items) ids << QString::fromStdString(id);
    lists.insert(toolbars_[i], ids);
    anyKept = true;
  }
  if (anyKept) rebuild(lists);

  // A state that passes for base64 may still be nothing the window wrote;
  // restoreState refuses that and changes nothing.
  if (auto* main = qobject_cast<QMainWindow*>(window_); main && !kept.state.empty())
    main->restoreState(QByteArray::fromBase64(QByteArray::fromStdString(kept.state)));
  for (qsizetype i = 0; i < toolbars_.size(); ++i)
    if (const auto visible = kept.toolbars[static_cast<std::size_t>(i)].visible) toolbars_[i]->setVisible(*visible);
}

void ToolbarLayout::keep(SettingsStore& store) const {
  KeptToolbars kept;
  for (const QToolBar* bar : toolbars_) {
    std::vector<std::string> ids;
    for (const QString& id : items(bar)) {
      std::string text = id.toStdString();
      if (isToolbarItem(text)) ids.push_back(std::move(text));  // a name the text form cannot hold is left out
    }
    kept.toolbars.push_back({bar->objectName().toStdString(), std::move(ids), bar->isVisibleTo(window_)});
  }
  if (const auto* main = qobject_cast<const QMainWindow*>(window_))
    kept.state = main->saveState().toBase64().toStdString();
  writeKeptToolbars(store, key_, kept);
}

void keepDialogToolbar(QDialog* dialog, QToolBar* bar, const char* key) {
  if (!bar) return;
  auto* layout =
      new ToolbarLayout(dialog, key, [dialog](const QString& id) { return dialog->findChild<QAction*>(id); });
  layout->addToolbar(bar);
  {
    IniSettingsStore store;
    layout->restore(store);
  }
  // The toolbar's context menu offers the same customisation as the main
  // window's, with the commands of the dialog's menus.
  auto* customize = new QAction("Customize...", layout);
  customize->setObjectName("CustomizeToolbars");
  QObject::connect(customize, &QAction::triggered, layout,
                   [dialog, layout] { CustomizeDialog::open(dialog, *layout, dialog->findChild<QMenuBar*>()); });
  bar->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(bar, &QWidget::customContextMenuRequested, layout, [bar, customize](const QPoint& at) {
    QMenu menu;
    menu.addAction(customize);
    menu.exec(bar->mapToGlobal(at));
  });
  QObject::connect(dialog, &QDialog::finished, layout, [layout] {
    IniSettingsStore store;
    layout->keep(store);
    store.sync();
  });
}

}  // namespace markloom
