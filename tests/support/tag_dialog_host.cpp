#include "tag_dialog_host.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "core/common/command_ids.h"
#include "core/markup/markup_catalog.h"
#include "platform/editor/markloom_editor.h"
#include "ui/common/dialog_kit.h"
#include "ui/document/document.h"
#include "ui/markup/markup_commands.h"
#include "ui/markup/tag_dialog_commands.h"

namespace markloom::test {

using dialogkit::fromUtf8;

StandaloneDocument::StandaloneDocument(const std::vector<std::string>& lines)
    : editor_(std::make_unique<MarkloomEditor>()), document_(std::make_unique<Document>(*editor_)) {
  if (!lines.empty()) {
    ops().setLines(lines);
    ops().setCaret({0, 0});
    ops().setModified(false);
  }
}

StandaloneDocument::~StandaloneDocument() = default;

EditorOps& StandaloneDocument::ops() { return document_->editorOps(); }

void StandaloneDocument::loadBytes(const std::string& bytes) {
  editor_->loadBytes(bytes);
  ops().setModified(false);
}

std::string StandaloneDocument::bytes() const { return editor_->bytes(); }

TagDialogHost::TagDialogHost() : active(&first.document()) {
  setObjectName("TagDialogHost");
  for (const std::string_view name : {ids::kInsertMenu, ids::kFormatMenu}) {
    menuBar()->addMenu(fromUtf8(name))->setObjectName(fromUtf8(name));
  }
  QMenu* tools = menuBar()->addMenu("&Tools");
  tools->addAction("Visual &Layer Creator")->setObjectName(fromUtf8(ids::kLayerCreator));
  tools->addAction("&ColdFusion Builder")->setObjectName(fromUtf8(ids::kColdFusionBuilder));
  for (const markup::BarInfo& bar : markup::bars()) {
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(fromUtf8(bar.name));
    addToolBar(toolbar);
  }
  auto source = [this]() -> Document* { return active; };
  markup = new MarkupCommands(this, source);
  commands = new TagDialogCommands(this, source);
}

TagDialogHost::~TagDialogHost() = default;

QAction* TagDialogHost::action(std::string_view id) const { return findChild<QAction*>(fromUtf8(id)); }

}  // namespace markloom::test
