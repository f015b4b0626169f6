#include "ui/markup_dialogs/tag_dialog_commands.h"

#include <QAction>
#include <QFile>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "core/markup/dialogs/image_builder.h"
#include "core/markup/dialogs/layer_builder.h"
#include "core/markup/dialogs/link_builder.h"
#include "core/markup/dialogs/navigation_builder.h"
#include "core/markup/dialogs/rollover_builder.h"
#include "core/markup/dialogs/table_builder.h"
#include "core/markup/insertion_primitives.h"
#include "platform/files/program_folder.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/markup_dialogs/dialog_text.h"
#include "ui/markup_dialogs/image_form.h"
#include "ui/markup_dialogs/layer_form.h"
#include "ui/markup_dialogs/link_form.h"
#include "ui/markup_dialogs/navigation_form.h"
#include "ui/markup_dialogs/pos_form.h"
#include "ui/markup_dialogs/rollover_form.h"
#include "ui/markup_dialogs/string_grid.h"
#include "ui/markup_dialogs/table_form.h"

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

TagDialogCommands::TagDialogCommands(TForm1* form)
    : TagDialogCommands(form, [form]() -> EditorOps* {
        TForm2* document = form->activeDocument();
        return document ? &document->editorOps() : nullptr;
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
    TImageForm form(host_);
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
    TLinkForm form(host_);
    if (form.exec() != QDialog::Accepted) return;
    const LinkFields f = form.fields();
    if (const auto error = linkError(f)) return refuse(*error);
    if (EditorOps* ops = source_()) WrapSelection(*ops, linkOpenTag(f), kLinkClose);
  });
}

void TagDialogCommands::RolloverImage1Click() {
  guarded([&] {
    if (!source_()) return;
    TRolloverForm form(host_);
    if (form.exec() != QDialog::Accepted) return;
    RolloverFields f = form.fields();
    // A missing picture is asked for once; the command goes on either way.
    if (f.original.empty()) {
      refuse(kRolloverNoOriginalError);
      f.original = bytes(TRolloverForm::choosePicture());
    }
    if (f.next.empty()) {
      refuse(kRolloverNoNextError);
      f.next = bytes(TRolloverForm::choosePicture());
    }
    if (const auto error = rolloverError(f)) return refuse(*error);
    if (EditorOps* ops = source_()) InsertBlock(*ops, rolloverBlock(f));
  });
}

void TagDialogCommands::Table1Click() {
  guarded([&] {
    if (!source_()) return;
    TTableForm form(host_);
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
    TLayerForm form(host_);
    if (form.exec() != QDialog::Accepted) return;
    const LayerFields f = form.fields();
    if (const auto error = layerError(f)) return refuse(*error);
    if (EditorOps* ops = source_()) InsertSnippet(*ops, layerMarkup(f));
  });
}

void TagDialogCommands::N12Click() {
  guarded([&] {
    if (!source_()) return;
    TNavigationForm form(host_);
    if (form.exec() != QDialog::Accepted) return;
    const std::vector<std::string> lines = navigationLines(form.fields());
    if (EditorOps* ops = source_()) InsertBlock(*ops, lines);
  });
}

void TagDialogCommands::VisualLayerCreator1Click() {
  guarded([&] {
    // Opens without a document; its Insert then inserts nothing.
    TPosForm form(source_, host_);
    form.exec();
  });
}

}  // namespace markloom
