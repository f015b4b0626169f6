#pragma once
// The markup commands that ask first: one slot per tag dialog. Every insert
// dialog runs through the same steps: with no document open nothing happens;
// the dialog is made for this one use and shown modally; OK hands its fields
// to the tag builder, whose objection to them is shown as a refusal or a
// warning; and the markup goes into the document active at that moment,
// encoded for that document, through the insertion primitives.
//
// The Multimedia and Server Variables dialogs are the exceptions: created
// once, here, they live as long as the program's window, show without blocking and
// write into whichever document is active when their OK is pressed. The
// visual layer creator and the CFML expression builder open without a document.
//
// The menu entries and tag bar buttons already exist (the markup commands
// create them, unconnected; the Tools menu's entries come with the main
// window); this group finds their actions by command id and connects them.
#include <QObject>
#include <QStringList>
#include <functional>

#include "core/markup/tags/multimedia_builder.h"
#include "core/markup/tags/server_variables_builder.h"
#include "core/markup/tags/tag_markup.h"

class QWidget;

namespace markloom {

class Document;
class Workbench;
class MultimediaDialog;
class ServerVariablesDialog;

class TagDialogCommands : public QObject {
  Q_OBJECT
 public:
  // Where the commands find the document they act on; nullptr when none is open.
  using DocumentSource = std::function<Document*()>;

  // Connects to the program's commands; acts on its active document.
  explicit TagDialogCommands(Workbench& workbench);
  // Connects to the actions found by command id under host; dialogs are
  // shown over host.
  TagDialogCommands(QWidget* host, DocumentSource source);

  MultimediaDialog* multimediaDialog() const { return multimedia_; }
  ServerVariablesDialog* serverVariablesDialog() const { return serverVariables_; }
  // Actions that were looked for and not found (empty when every entry exists).
  const QStringList& missingActions() const { return missing_; }

 public slots:
  void insertImage();
  void insertRollover();
  void insertTable();
  void insertLayer();
  void insertHyperlink();
  void insertScript();
  void insertApplet();
  void insertNavigationMenu();
  void insertQuickTime();
  void insertRealVideo();
  // Shockwave shows its dialog even with no document open; the others need one.
  void showMultimedia(tags::MediaKind kind);
  void formatFont();
  void linkStyleSheet();
  void insertTransition();
  void showVariables(tags::Platform platform);
  void insertWmlCard();
  void insertWmlAccess();
  void insertWmlGo();
  void createVisualLayers();
  void buildColdFusionExpression();

 private:
  // The steps after OK for one kind of fields.
  template <class Fields>
  struct Steps {
    tags::Markup (*build)(const Fields&);
    tags::Check (*check)(const Fields&) = nullptr;
    // Asks for what was left out (a message, then a chooser) before the
    // check; the command goes on with whatever the user gives.
    void (*askForMissing)(Fields&) = nullptr;
  };
  enum class Needs { Document, Nothing };

  template <class Dialog, class Fields>
  void runModal(const Steps<Fields>& steps, Needs needs = Needs::Document);
  template <class Fields>
  void complete(const Steps<Fields>& steps, Fields fields);
  void insert(const tags::Markup& markup);
  Document* document() const;
  void connectActions();
  void insertMultimedia();
  void insertVariable();

  QWidget* host_;
  DocumentSource source_;
  MultimediaDialog* multimedia_ = nullptr;
  ServerVariablesDialog* serverVariables_ = nullptr;
  QStringList missing_;
};

}  // namespace markloom
