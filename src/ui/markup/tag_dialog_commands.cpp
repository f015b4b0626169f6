#include "ui/markup/tag_dialog_commands.h"

#include <QAction>
#include <QFile>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "core/markup/tags/image_builder.h"
#include "core/markup/tags/layer_builder.h"
#include "core/markup/tags/link_builder.h"
#include "core/markup/tags/navigation_builder.h"
#include "core/markup/tags/rollover_builder.h"
#include "core/markup/tags/table_builder.h"
#include "core/markup/insertion_primitives.h"
#include "platform/files/program_folder.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/common/dialog_text.h"
#include "ui/markup/dialogs/image_dialog.h"
#include "ui/markup/dialogs/layer_dialog.h"
#include "ui/markup/dialogs/hyperlink_dialog.h"
#include "ui/markup/dialogs/navigation_menu_dialog.h"
#include "ui/markup/dialogs/layer_designer.h"
#include "ui/markup/dialogs/rollover_dialog.h"
#include "ui/markup/dialogs/cell_grid.h"
#include "ui/markup/dialogs/table_dialog.h"

namespace markloom {

using dialogtext::bytes;
using dialogtext::qs;

namespace {

QString title() {
  const QString t = QApplication::applicationDisplayName();
  return t.isEmpty() ? QStringLiteral("Tarnwell Markloom 5.0") : t;
}

// An error box after the beep, as the dialogs' checks report.
void refuse(const std::string& message) {
  Prompter::instance().beep();
  Prompter::instance().showError(qs(message));
}

}  // namespace

TagDialogCommands::TagDialogCommands(MainWindow* form)
    : TagDialogCommands(form, [form]() -> EditorOps* {
        DocumentWindow* document = form->activeDocument();
        return document ? &document->document().editorOps() : nullptr;
      }) {}

TagDialogCommands::TagDialogCommands(QWidget* host, DocumentSource source)
    : QObject(host), host_(host), source_(std::move(source)) {
  setObjectName("TagDialogCommands");
  // The entries may be made by a group built after this one: try again once
  // every group is in place.
  if (!connectActions()) QTimer::singleShot(0, this, [this] { connectActions(); });
}

bool TagDialogCommands::connectActions() {
  const std::pair<const char*, void (TagDialogCommands::*)()> handlers[] = {
      {"Image1", &TagDialogCommands::Image1Click},
      {"Hyperlink1", &TagDialogCommands::Hyperlink1Click},
      {"RolloverImage1", &TagDialogCommands::RolloverImage1Click},
      {"Table1", &TagDialogCommands::Table1Click},
      {"Layer1", &TagDialogCommands::Layer1Click},
      {"N12", &TagDialogCommands::N12Click},
      {"VisualLayerCreator1", &TagDialogCommands::VisualLayerCreator1Click},
  };
  bool all = true;
  for (const auto& [name, slot] : handlers) {
    const QList<QAction*> found = host_->findChildren<QAction*>(name);
    if (found.isEmpty()) all = false;
    for (QAction* action : found) connect(action, &QAction::triggered, this, slot, Qt::UniqueConnection);
  }
  return all;
}

void TagDialogCommands::Image1Click() {
  guarded([&] {
    if (!source_()) return;
    ImageDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    const ImageFields f = form.fields();
    if (f.picture.empty()) {
      Prompter::instance().beep();
      Prompter::instance().message(title(), kImageNoPictureWarning, Prompter::Icon::Warning, Prompter::Buttons::Ok);
    }
    if (EditorOps* ops = source_()) InsertSnippet(*ops, imageMarkup(f));
  });
}

void TagDialogCommands::Hyperlink1Click() {
  guarded([&] {
    if (!source_()) return;
    HyperlinkDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    const LinkFields f = form.fields();
    if (const auto error = linkError(f)) return refuse(*error);
    if (EditorOps* ops = source_()) WrapSelection(*ops, linkOpenTag(f), kLinkClose);
  });
}

void TagDialogCommands::RolloverImage1Click() {
  guarded([&] {
    if (!source_()) return;
    RolloverDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    RolloverFields f = form.fields();
    // A missing picture is asked for once; the command goes on either way.
    if (f.original.empty()) {
      refuse(kRolloverNoOriginalError);
      f.original = bytes(RolloverDialog::choosePicture());
    }
    if (f.next.empty()) {
      refuse(kRolloverNoNextError);
      f.next = bytes(RolloverDialog::choosePicture());
    }
    if (const auto error = rolloverError(f)) return refuse(*error);
    if (EditorOps* ops = source_()) InsertBlock(*ops, rolloverBlock(f));
  });
}

void TagDialogCommands::Table1Click() {
  guarded([&] {
    if (!source_()) return;
    TableDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    const std::vector<std::string> block =
        tableBlock(form.grid()->cellRows(), form.grid()->colCount(), form.fields(),
                   QFile::encodeName(workPath(kTableWorkFile)).toStdString());
    if (EditorOps* ops = source_()) InsertBlock(*ops, block);
  });
}

void TagDialogCommands::Layer1Click() {
  guarded([&] {
    if (!source_()) return;
    LayerDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    const LayerFields f = form.fields();
    if (const auto error = layerError(f)) return refuse(*error);
    if (EditorOps* ops = source_()) InsertSnippet(*ops, layerMarkup(f));
  });
}

void TagDialogCommands::N12Click() {
  guarded([&] {
    if (!source_()) return;
    NavigationMenuDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    const std::vector<std::string> lines = navigationLines(form.fields());
    if (EditorOps* ops = source_()) InsertBlock(*ops, lines);
  });
}

void TagDialogCommands::VisualLayerCreator1Click() {
  guarded([&] {
    // Opens without a document; its Insert then inserts nothing.
    LayerDesigner form(source_, host_);
    form.exec();
  });
}

}  // namespace markloom
