#include "ui/markup/builder_dialog_commands.h"

#include <QAction>
#include <QWidget>

#include "core/markup/tags/media_builder.h"
#include "core/markup/tags/server_variables_builder.h"
#include "core/markup/tags/stylesheet_builder.h"
#include "core/markup/insertion_primitives.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/markup/dialogs/cfml_expression_dialog.h"
#include "ui/markup/dialogs/font_dialog.h"
#include "ui/markup/dialogs/applet_dialog.h"
#include "ui/markup/dialogs/multimedia_dialog.h"
#include "ui/markup/dialogs/quicktime_dialog.h"
#include "ui/markup/dialogs/real_video_dialog.h"
#include "ui/markup/dialogs/script_dialog.h"
#include "ui/markup/dialogs/server_variables_dialog.h"
#include "ui/markup/dialogs/style_sheet_dialog.h"
#include "ui/markup/dialogs/page_transition_dialog.h"
#include "ui/markup/dialogs/wml_access_dialog.h"
#include "ui/markup/dialogs/wml_card_dialog.h"
#include "ui/markup/dialogs/wml_go_dialog.h"

namespace markloom {

using namespace builders;

namespace {

// The standard error box after a beep: the way a dialog's field is refused.
void refuse(std::string_view message) {
  Prompter& p = Prompter::instance();
  p.beep();
  p.showError(qs(message));
}

}  // namespace

BuilderDialogCommands::BuilderDialogCommands(MainWindow* form)
    : BuilderDialogCommands(form, [form]() -> EditorOps* {
        DocumentWindow* document = form->activeDocument();
        return document ? &document->document().editorOps() : nullptr;
      }) {}

BuilderDialogCommands::BuilderDialogCommands(QWidget* host, DocumentSource source)
    : QObject(host), host_(host), source_(std::move(source)) {
  setObjectName("BuilderDialogCommands");
  // The dialogs ask the document source itself (not this group), so they
  // never reach back into an object destroyed before them.
  MediaForm = new MultimediaDialog(host, source_);
  SpecialForm = new ServerVariablesDialog(host, source_);
  connectActions();
}

void BuilderDialogCommands::connectActions() {
  using Slot = void (BuilderDialogCommands::*)();
  const std::pair<const char*, Slot> table[] = {
      {"JavaScript1", &BuilderDialogCommands::JavaScript1Click},
      {"JavaApplet1", &BuilderDialogCommands::JavaApplet1Click},
      {"QuickTime1", &BuilderDialogCommands::QuickTime1Click},
      {"RealVideo1", &BuilderDialogCommands::RealVideo1Click},
      {"Shockwave1", &BuilderDialogCommands::Shockwave1Click},
      {"Plugin1", &BuilderDialogCommands::Plugin1Click},
      {"Video1", &BuilderDialogCommands::Video1Click},
      {"Audio1", &BuilderDialogCommands::Audio1Click},
      {"Font1", &BuilderDialogCommands::Font1Click},
      {"UsingStyleSheets1", &BuilderDialogCommands::UsingStyleSheets1Click},
      {"DHTMLTransitions1", &BuilderDialogCommands::DHTMLTransitions1Click},
      {"ColdFusionBuilder1", &BuilderDialogCommands::ColdFusionBuilder1Click},
      {"ASPButton1", &BuilderDialogCommands::ASPButton1Click},
      {"ToolbarButton976", &BuilderDialogCommands::ToolbarButton976Click},
      {"ToolbarButton9713", &BuilderDialogCommands::ToolbarButton9713Click},
      {"PHPVarButton", &BuilderDialogCommands::PHPVarButtonClick},
      {"ToolbarButton9737", &BuilderDialogCommands::ToolbarButton9737Click},
      {"ToolbarButton9738", &BuilderDialogCommands::ToolbarButton9738Click},
      {"ToolbarButton9733", &BuilderDialogCommands::ToolbarButton9733Click},
  };
  for (const auto& [name, slot] : table) {
    QAction* action = host_->findChild<QAction*>(QString::fromLatin1(name));
    if (!action) {
      missing_ << QString::fromLatin1(name);
      continue;
    }
    connect(action, &QAction::triggered, this, slot);
  }
}

EditorOps* BuilderDialogCommands::document() const { return source_ ? source_() : nullptr; }

void BuilderDialogCommands::JavaScript1Click() {
  guarded([&] {
    if (!document()) return;
    ScriptDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    if (EditorOps* ops = document()) markup::insertScript(*ops, form.fields());
  });
}

void BuilderDialogCommands::JavaApplet1Click() {
  guarded([&] {
    if (!document()) return;
    AppletDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    const markup::AppletFields fields = form.fields();
    if (!markup::appletComplete(fields)) return refuse(markup::kAppletMissingMessage);
    if (EditorOps* ops = document()) markup::insertApplet(*ops, fields);
  });
}

void BuilderDialogCommands::QuickTime1Click() {
  guarded([&] {
    if (!document()) return;
    QuickTimeDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    markup::QuickTimeFields fields = form.fields();
    if (fields.movie.empty()) {
      // Report it, offer the chooser, and insert whatever the user ends with.
      refuse(markup::kQuickTimeMissingMessage);
      fields.movie = bytes(QuickTimeDialog::chooseMovie());
    }
    if (EditorOps* ops = document()) markup::insertQuickTime(*ops, fields);
  });
}

void BuilderDialogCommands::RealVideo1Click() {
  guarded([&] {
    if (!document()) return;
    RealVideoDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    markup::RealVideoFields fields = form.fields();
    if (fields.movie.empty()) {
      refuse(markup::kRealVideoMissingMessage);
      fields.movie = bytes(RealVideoDialog::chooseClip());
    }
    if (EditorOps* ops = document()) markup::insertRealVideo(*ops, fields);
  });
}

void BuilderDialogCommands::showMedia(const QString& mode) { MediaForm->showFor(mode); }

// Shockwave opens its dialog even with no document; the others need one.
void BuilderDialogCommands::Shockwave1Click() { showMedia(qs(markup::kMediaShock)); }
void BuilderDialogCommands::Plugin1Click() {
  if (document()) showMedia(qs(markup::kMediaPlugin));
}
void BuilderDialogCommands::Video1Click() {
  if (document()) showMedia(qs(markup::kMediaVideo));
}
void BuilderDialogCommands::Audio1Click() {
  if (document()) showMedia(qs(markup::kMediaSound));
}

void BuilderDialogCommands::Font1Click() {
  guarded([&] {
    if (!document()) return;
    FontDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    if (EditorOps* ops = document()) markup::wrapFont(*ops, form.fields());
  });
}

void BuilderDialogCommands::UsingStyleSheets1Click() {
  guarded([&] {
    if (!document()) return;
    StyleSheetDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    if (EditorOps* ops = document()) markup::insertStyleSheetLink(*ops, form.fileName());
  });
}

void BuilderDialogCommands::DHTMLTransitions1Click() {
  guarded([&] {
    if (!document()) return;
    PageTransitionDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    const markup::TransitionFields fields = form.fields();
    if (!markup::transitionComplete(fields)) return refuse(markup::kTransitionMissingMessage);
    if (EditorOps* ops = document()) markup::insertTransition(*ops, fields);
  });
}

void BuilderDialogCommands::ColdFusionBuilder1Click() {
  guarded([&] {
    CfmlExpressionDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    if (EditorOps* ops = document()) InsertBlock(*ops, form.expressionLines());
  });
}

void BuilderDialogCommands::showVariables(const QString& mode) {
  if (document()) SpecialForm->showFor(mode);
}
void BuilderDialogCommands::ASPButton1Click() { showVariables(qs(markup::kVariablesASP)); }
void BuilderDialogCommands::ToolbarButton976Click() { showVariables(qs(markup::kVariablesCFM)); }
void BuilderDialogCommands::ToolbarButton9713Click() { showVariables(qs(markup::kVariablesSSI)); }
void BuilderDialogCommands::PHPVarButtonClick() { showVariables(qs(markup::kVariablesPHP)); }

void BuilderDialogCommands::ToolbarButton9737Click() {
  guarded([&] {
    if (!document()) return;
    WmlCardDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    if (EditorOps* ops = document()) markup::insertWmlCard(*ops, form.fields());
  });
}

void BuilderDialogCommands::ToolbarButton9738Click() {
  guarded([&] {
    if (!document()) return;
    WmlAccessDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    if (EditorOps* ops = document()) markup::insertWmlAccess(*ops, form.fields());
  });
}

void BuilderDialogCommands::ToolbarButton9733Click() {
  guarded([&] {
    if (!document()) return;
    WmlGoDialog form(host_);
    if (form.exec() != QDialog::Accepted) return;
    if (EditorOps* ops = document()) markup::insertWmlGo(*ops, form.fields());
  });
}

}  // namespace markloom
