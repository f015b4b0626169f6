#include "ui/markup/markup_commands.h"

#include <QAbstractItemView>
#include <QAction>
#include <QColor>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeySequence>
#include <QMenu>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

#include "core/common/command_ids.h"
#include "core/markup/markup_catalog.h"
#include "platform/editor/markloom_editor.h"
#include "ui/common/command_guard.h"
#include "ui/common/dialog_kit.h"
#include "ui/document/document.h"
#include "ui/document/document_window.h"
#include "ui/markup/markup_icons.h"
#include "ui/workbench/workbench.h"

namespace markloom {

using markup::BarId;
using markup::Command;
using markup::Control;
using markup::MenuId;
using markup::Primitive;

namespace {

QString qs(std::string_view s) { return dialogkit::fromUtf8(s); }

constexpr int kFontBoxWidth = 124;
constexpr int kColourBoxWidth = 100;
constexpr int kTagBoxWidth = 145;

bool runsItself(const Command& c) {
  return c.primitive == Primitive::Wrap || c.primitive == Primitive::Snippet ||
         c.primitive == Primitive::LinesAboveCaret;
}

QIcon colourSwatch(const QString& name) {
  QPixmap pixmap(12, 12);
  pixmap.fill(QColor(name.toLower()));
  return QIcon(pixmap);
}

}  // namespace

MarkupCommands::MarkupCommands(Workbench& workbench)
    : MarkupCommands(workbench.mainWidget(), [&workbench]() -> Document* {
        DocumentWindow* document = workbench.activeDocument();
        return document ? &document->document() : nullptr;
      }) {
  // After a box was used, typing goes on in the document, not in the box.
  refocus_ = [&workbench] {
    if (DocumentWindow* document = workbench.activeDocument()) document->editor()->setFocus();
  };
}

MarkupCommands::MarkupCommands(QWidget* host, DocumentSource source)
    : QObject(host), host_(host), source_(std::move(source)) {
  setObjectName("MarkupCommands");
  build();
}

void MarkupCommands::build() {
  // Bars first: the drop-down buttons own menus that catalog entries go into.
  for (const markup::BarInfo& info : markup::bars()) {
    auto* bar = host_->findChild<QToolBar*>(qs(info.name));
    if (!bar) continue;
    if (!info.caption.empty()) bar->setWindowTitle(qs(info.caption));
    for (const Command* c : markup::barCommands(info.id)) buildBar(bar, *c);
  }
  for (const Command& c : markup::catalog()) {
    if (c.menu.menu == MenuId::None) continue;
    QMenu* menu = menuFor(c.menu.menu);
    if (!menu) continue;
    if (c.menu.breakBefore) menu->addSeparator();
    menu->addAction(commandAction(c));
  }
}

QAction* MarkupCommands::commandAction(const Command& c) {
  const QString id = qs(c.id);
  if (QAction* known = actions_.value(id)) return known;
  const bool inMenu = c.menu.menu != MenuId::None;
  auto* action = new QAction(qs(inMenu ? c.menu.caption : c.bar.caption), this);
  action->setObjectName(id);
  if (!c.shortcut.empty()) action->setShortcut(QKeySequence(qs(c.shortcut), QKeySequence::PortableText));
  if (!c.bar.hint.empty()) action->setToolTip(qs(c.bar.hint));
  if (!c.bar.name.empty()) action->setIcon(markupIcon(qs(c.bar.name)));
  if (runsItself(c)) {
    connect(action, &QAction::triggered, this, [this, &c] {
      // The tag box's "+" inserts whatever the box shows.
      execute(c, c.takesValue && tagBox_ ? tagBox_->currentText() : QString());
    });
  }
  actions_.insert(id, action);
  return action;
}

QMenu* MarkupCommands::menuFor(MenuId id) {
  if (QMenu* known = menus_.value(static_cast<int>(id))) return known;
  const markup::MenuInfo& info = markup::menuInfo(id);
  QMenu* menu = nullptr;
  if (info.parent == MenuId::None) {
    menu = host_->findChild<QMenu*>(qs(info.name));  // a main menu or a drop-down button's menu
  } else if (QMenu* parent = menuFor(info.parent)) {
    if (info.breakBefore) parent->addSeparator();
    menu = parent->addMenu(qs(info.caption));
    menu->setObjectName(qs(info.name));
  }
  if (menu) menus_.insert(static_cast<int>(id), menu);
  return menu;
}

void MarkupCommands::buildBar(QToolBar* bar, const Command& c) {
  if (c.bar.separatorBefore) bar->addSeparator();
  const QString name = qs(c.bar.name);
  const QString hint = qs(c.bar.hint);
  switch (c.bar.control) {
    case Control::FontNameBox: {
      auto* box = new QComboBox(bar);
      box->setObjectName(name);
      box->setFixedWidth(kFontBoxWidth);
      box->setToolTip(hint);
      QStringList families = QFontDatabase::families();
      // The initial face is available everywhere through font substitution,
      // even where no font of that exact name is installed.
      const QString initial = qs(markup::kFontBoxInitialText);
      if (!families.contains(initial)) {
        families.append(initial);
        families.sort(Qt::CaseInsensitive);
      }
      box->addItems(families);
      box->setCurrentText(initial);
      connect(box, &QComboBox::currentTextChanged, this, [this, &c](const QString& text) { execute(c, text); });
      bar->addWidget(box);
      return;
    }
    case Control::ColourBox: {
      auto* box = new QComboBox(bar);
      box->setObjectName(name);
      box->setFixedWidth(kColourBoxWidth);
      box->setToolTip(hint);
      for (const std::string& colour : markup::colourNames()) box->addItem(colourSwatch(qs(colour)), qs(colour));
      box->setCurrentText(qs(markup::kColourBoxInitialText));
      connect(box, &QComboBox::currentTextChanged, this, [this, &c](const QString& text) { execute(c, text); });
      bar->addWidget(box);
      return;
    }
    case Control::TagBoxButton: {
      tagBox_ = new QComboBox(bar);
      tagBox_->setObjectName(qs(ids::kColdFusionTagBox));
      tagBox_->setEditable(true);
      tagBox_->setInsertPolicy(QComboBox::NoInsert);
      tagBox_->setFixedWidth(kTagBoxWidth);
      for (const std::string& tag : markup::coldFusionTags()) tagBox_->addItem(qs(tag));
      tagBox_->setCurrentIndex(-1);
      tagBox_->setEditText(qs(markup::kTagBoxInitialText));
      tagBox_->view()->setMinimumWidth(480);  // the tags are long; let the list show them
      bar->addWidget(tagBox_);
      break;  // then its "+" button, below
    }
    case Control::Button:
    case Control::DropDownButton: break;
  }

  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setAutoRaise(true);
  button->setIconSize(bar->iconSize());  // the bar decides how large its images are
  if (c.bar.caption.empty()) {
    button->setIcon(markupIcon(name));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  } else {
    button->setText(qs(c.bar.caption));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  }
  button->setToolTip(hint.isEmpty() ? qs(c.bar.caption) : hint);

  if (c.bar.control == Control::DropDownButton) {
    auto* menu = new QMenu(button);
    menu->setObjectName(qs(markup::menuInfo(c.bar.dropDown).name));
    if (c.bar.dropDown == MenuId::SSIExtras) {
      // A menu of entries without action.
      for (const markup::MenuTreeEntry& entry : markup::ssiExtrasMenu()) {
        QMenu* sub = menu->addMenu(qs(entry.caption));
        sub->setObjectName(qs(entry.name));
        for (const markup::MenuTreeEntry& child : entry.children)
          sub->addAction(qs(child.caption))->setObjectName(qs(child.name));
      }
    }
    menus_.insert(static_cast<int>(c.bar.dropDown), menu);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
  } else {
    QAction* action = commandAction(c);
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
  }
  bar->addWidget(button);
}

bool MarkupCommands::run(std::string_view id, const QString& value) {
  const Command* c = markup::findCommand(id);
  if (!c || !runsItself(*c)) return false;
  execute(*c, value);
  return true;
}

void MarkupCommands::execute(const Command& command, const QString& value) {
  guarded([&] {
    // With no document open a command does nothing at all.
    Document* document = source_ ? source_() : nullptr;
    if (!document) return;
    markup::runCommand(document->editorOps(), command, document->encode(value));
    if (refocus_) refocus_();
  });
}

}  // namespace markloom
