#include "ui/markup/tag_dialog_commands.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QWidget>
#include <utility>

#include "core/common/command_ids.h"
#include "core/markup/tags/applet_builder.h"
#include "core/markup/tags/cfml_expression_builder.h"
#include "core/markup/tags/font_builder.h"
#include "core/markup/tags/hyperlink_builder.h"
#include "core/markup/tags/image_builder.h"
#include "core/markup/tags/layer_builder.h"
#include "core/markup/tags/navigation_menu_builder.h"
#include "core/markup/tags/page_transition_builder.h"
#include "core/markup/tags/quicktime_builder.h"
#include "core/markup/tags/real_video_builder.h"
#include "core/markup/tags/rollover_builder.h"
#include "core/markup/tags/script_builder.h"
#include "core/markup/tags/style_sheet_builder.h"
#include "core/markup/tags/table_builder.h"
#include "core/markup/tags/visual_layers_builder.h"
#include "core/markup/tags/wml_access_builder.h"
#include "core/markup/tags/wml_card_builder.h"
#include "core/markup/tags/wml_go_builder.h"
#include "platform/files/program_folder.h"
#include "ui/common/command_guard.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"
#include "ui/document/document.h"
#include "ui/document/document_window.h"
#include "ui/markup/dialogs/applet_dialog.h"
#include "ui/markup/dialogs/cfml_expression_dialog.h"
#include "ui/markup/dialogs/font_dialog.h"
#include "ui/markup/dialogs/hyperlink_dialog.h"
#include "ui/markup/dialogs/image_dialog.h"
#include "ui/markup/dialogs/layer_designer.h"
#include "ui/markup/dialogs/layer_dialog.h"
#include "ui/markup/dialogs/multimedia_dialog.h"
#include "ui/markup/dialogs/navigation_menu_dialog.h"
#include "ui/markup/dialogs/page_transition_dialog.h"
#include "ui/markup/dialogs/quicktime_dialog.h"
#include "ui/markup/dialogs/real_video_dialog.h"
#include "ui/markup/dialogs/rollover_dialog.h"
#include "ui/markup/dialogs/script_dialog.h"
#include "ui/markup/dialogs/server_variables_dialog.h"
#include "ui/markup/dialogs/style_sheet_dialog.h"
#include "ui/markup/dialogs/table_dialog.h"
#include "ui/markup/dialogs/wml_access_dialog.h"
#include "ui/markup/dialogs/wml_card_dialog.h"
#include "ui/markup/dialogs/wml_go_dialog.h"
#include "ui/workbench/workbench.h"

namespace markloom {

using dialogkit::fromUtf8;
using dialogkit::toUtf8;
using tags::MediaKind;
using tags::Platform;

namespace {

QString title() {
  const QString t = QApplication::applicationDisplayName();
  return t.isEmpty() ? QStringLiteral("Tarnwell Markloom 5.0") : t;
}

// After a beep: a refusal in the standard error box, a warning in a warning box.
void show(const tags::Objection& objection) {
  Prompter& p = Prompter::instance();
  p.beep();
  if (objection.severity == tags::Objection::Severity::Warning) {
    p.message(title(), fromUtf8(objection.message), Prompter::Icon::Warning, Prompter::Buttons::Ok);
  } else {
    p.showError(fromUtf8(objection.message));
  }
}

// An empty file field is reported, then the field's chooser is offered.
void askForFile(std::string& field, std::string_view message, QString (*choose)()) {
  if (!field.empty()) return;
  show(*tags::refuse(message));
  field = toUtf8(choose());
}

tags::Markup tableThroughWorkFile(const tags::TableFields& fields) {
  return tags::tableMarkup(fields, QFile::encodeName(workPath(fromUtf8(tags::kTableWorkFile))).toStdString());
}

}  // namespace

TagDialogCommands::TagDialogCommands(Workbench& workbench)
    : TagDialogCommands(workbench.mainWidget(), [&workbench]() -> Document* {
        DocumentWindow* active = workbench.activeDocument();
        return active ? &active->document() : nullptr;
      }) {}

TagDialogCommands::TagDialogCommands(QWidget* host, DocumentSource source)
    : QObject(host), host_(host), source_(std::move(source)) {
  setObjectName("TagDialogCommands");
  multimedia_ = new MultimediaDialog(host);
  serverVariables_ = new ServerVariablesDialog(host);
  connect(multimedia_, &MultimediaDialog::insertRequested, this, &TagDialogCommands::insertMultimedia);
  connect(serverVariables_, &ServerVariablesDialog::insertRequested, this, &TagDialogCommands::insertVariable);
  connectActions();
}

void TagDialogCommands::connectActions() {
  const std::pair<std::string_view, std::function<void()>> table[] = {
      {ids::kInsertImage, [this] { insertImage(); }},
      {ids::kInsertRollover, [this] { insertRollover(); }},
      {ids::kInsertTable, [this] { insertTable(); }},
      {ids::kInsertLayer, [this] { insertLayer(); }},
      {ids::kInsertHyperlink, [this] { insertHyperlink(); }},
      {ids::kInsertScript, [this] { insertScript(); }},
      {ids::kInsertApplet, [this] { insertApplet(); }},
      {ids::kInsertNavigationMenu, [this] { insertNavigationMenu(); }},
      {ids::kInsertQuickTime, [this] { insertQuickTime(); }},
      {ids::kInsertRealVideo, [this] { insertRealVideo(); }},
      {ids::kInsertShockwave, [this] { showMultimedia(MediaKind::Shockwave); }},
      {ids::kInsertPlugin, [this] { showMultimedia(MediaKind::Plugin); }},
      {ids::kInsertVideo, [this] { showMultimedia(MediaKind::Video); }},
      {ids::kInsertSound, [this] { showMultimedia(MediaKind::Sound); }},
      {ids::kFormatFont, [this] { formatFont(); }},
      {ids::kLinkStyleSheet, [this] { linkStyleSheet(); }},
      {ids::kInsertTransition, [this] { insertTransition(); }},
      {ids::kAspVariables, [this] { showVariables(Platform::Asp); }},
      {ids::kColdFusionVariables, [this] { showVariables(Platform::ColdFusion); }},
      {ids::kSsiVariables, [this] { showVariables(Platform::Ssi); }},
      {ids::kPhpVariables, [this] { showVariables(Platform::Php); }},
      {ids::kInsertWmlCard, [this] { insertWmlCard(); }},
      {ids::kInsertWmlAccess, [this] { insertWmlAccess(); }},
      {ids::kInsertWmlGo, [this] { insertWmlGo(); }},
      {ids::kLayerCreator, [this] { createVisualLayers(); }},
      {ids::kColdFusionBuilder, [this] { buildColdFusionExpression(); }},
  };
  for (const auto& [id, handler] : table) {
    const QList<QAction*> found = host_->findChildren<QAction*>(fromUtf8(id));
    if (found.isEmpty()) missing_ << fromUtf8(id);
    for (QAction* action : found) connect(action, &QAction::triggered, this, handler);
  }
}

Document* TagDialogCommands::document() const { return source_ ? source_() : nullptr; }

template <class Dialog, class Fields>
void TagDialogCommands::runModal(const Steps<Fields>& steps, Needs needs) {
  guarded([&] {
    if (needs == Needs::Document && !document()) return;
    Dialog dialog(host_);
    if (dialog.exec() != QDialog::Accepted) return;
    complete(steps, dialog.fields());
  });
}

template <class Fields>
void TagDialogCommands::complete(const Steps<Fields>& steps, Fields fields) {
  if (steps.askForMissing) steps.askForMissing(fields);
  if (steps.check) {
    if (const tags::Check objection = steps.check(fields)) {
      show(*objection);
      if (objection->severity == tags::Objection::Severity::Refusal) return;
    }
  }
  insert(steps.build(fields));
}

void TagDialogCommands::insert(const tags::Markup& markup) {
  if (markup.kind == tags::Markup::Kind::Snippet && markup.text.empty()) return;
  // The document active now, which need not be the one active when the dialog opened.
  if (Document* target = document()) tags::insertMarkup(target->editorOps(), tags::encoded(markup, target->codec()));
}

void TagDialogCommands::insertImage() {
  runModal<ImageDialog>(Steps<tags::ImageFields>{tags::imageMarkup, tags::imageCheck});
}

void TagDialogCommands::insertRollover() {
  runModal<RolloverDialog>(Steps<tags::RolloverFields>{
      tags::rolloverMarkup, tags::rolloverCheck, [](tags::RolloverFields& f) {
        askForFile(f.original, tags::kRolloverNoOriginalMessage, &RolloverDialog::choosePicture);
        askForFile(f.next, tags::kRolloverNoNextMessage, &RolloverDialog::choosePicture);
      }});
}

void TagDialogCommands::insertTable() { runModal<TableDialog>(Steps<tags::TableFields>{tableThroughWorkFile}); }

void TagDialogCommands::insertLayer() {
  runModal<LayerDialog>(Steps<tags::LayerFields>{tags::layerMarkup, tags::layerCheck});
}

void TagDialogCommands::insertHyperlink() {
  runModal<HyperlinkDialog>(Steps<tags::LinkFields>{tags::linkMarkup, tags::linkCheck});
}

void TagDialogCommands::insertScript() { runModal<ScriptDialog>(Steps<tags::ScriptFields>{tags::scriptMarkup}); }

void TagDialogCommands::insertApplet() {
  runModal<AppletDialog>(Steps<tags::AppletFields>{tags::appletMarkup, tags::appletCheck});
}

void TagDialogCommands::insertNavigationMenu() {
  runModal<NavigationMenuDialog>(Steps<tags::NavigationFields>{tags::navigationMarkup});
}

void TagDialogCommands::insertQuickTime() {
  runModal<QuickTimeDialog>(Steps<tags::QuickTimeFields>{tags::quickTimeMarkup, nullptr, [](tags::QuickTimeFields& f) {
                                                           askForFile(f.movie, tags::kQuickTimeMissingMessage,
                                                                      &QuickTimeDialog::chooseMovie);
                                                         }});
}

void TagDialogCommands::insertRealVideo() {
  runModal<RealVideoDialog>(Steps<tags::RealVideoFields>{tags::realVideoMarkup, nullptr, [](tags::RealVideoFields& f) {
                                                           askForFile(f.movie, tags::kRealVideoMissingMessage,
                                                                      &RealVideoDialog::chooseClip);
                                                         }});
}

void TagDialogCommands::showMultimedia(MediaKind kind) {
  if (kind != MediaKind::Shockwave && !document()) return;
  multimedia_->showFor(kind);
}

void TagDialogCommands::insertMultimedia() {
  guarded([&] {
    complete(Steps<tags::MediaFields>{tags::mediaMarkup, nullptr,
                                      [](tags::MediaFields& f) {
                                        askForFile(f.source, tags::kMediaMissingMessage, &MultimediaDialog::chooseFile);
                                      }},
             multimedia_->fields());
    multimedia_->hide();
  });
}

void TagDialogCommands::formatFont() { runModal<FontDialog>(Steps<tags::FontFields>{tags::fontMarkup}); }

void TagDialogCommands::linkStyleSheet() {
  runModal<StyleSheetDialog>(Steps<tags::StyleSheetFields>{tags::styleSheetMarkup});
}

void TagDialogCommands::insertTransition() {
  runModal<PageTransitionDialog>(Steps<tags::TransitionFields>{tags::transitionMarkup, tags::transitionCheck});
}

void TagDialogCommands::showVariables(Platform platform) {
  if (document()) serverVariables_->showFor(platform);
}

void TagDialogCommands::insertVariable() {
  guarded([&] {
    complete(Steps<tags::ServerVariableFields>{tags::serverVariableMarkup}, serverVariables_->fields());
    serverVariables_->hide();
  });
}

void TagDialogCommands::insertWmlCard() { runModal<WmlCardDialog>(Steps<tags::WmlCardFields>{tags::wmlCardMarkup}); }

void TagDialogCommands::insertWmlAccess() {
  runModal<WmlAccessDialog>(Steps<tags::WmlAccessFields>{tags::wmlAccessMarkup});
}

void TagDialogCommands::insertWmlGo() { runModal<WmlGoDialog>(Steps<tags::WmlGoFields>{tags::wmlGoMarkup}); }

void TagDialogCommands::createVisualLayers() {
  runModal<LayerDesigner>(Steps<tags::VisualLayerFields>{tags::visualLayersMarkup}, Needs::Nothing);
}

void TagDialogCommands::buildColdFusionExpression() {
  runModal<CfmlExpressionDialog>(Steps<tags::CfmlExpressionFields>{tags::cfmlExpressionMarkup}, Needs::Nothing);
}

}  // namespace markloom
