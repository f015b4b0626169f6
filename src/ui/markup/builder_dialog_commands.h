#pragma once
// The markup commands that ask first: script, applet, media, font, style
// sheet, transitions, server variables, the CFML expression builder and the
// WML tags. The menu entries and tag bar buttons already exist (the markup
// commands create them, unconnected); this group finds their actions by object
// name and connects its handlers.
//
// The modal dialogs are created for one use. The Multimedia and Server
// Variables dialogs are created once, here, live as long as the main window,
// and write into whichever document is active when their OK is pressed.
#include <QObject>
#include <QString>
#include <QStringList>

#include "ui/common/dialog_kit.h"

class QWidget;

namespace markloom {

class MainWindow;
class MultimediaDialog;
class ServerVariablesDialog;

class BuilderDialogCommands : public QObject {
  Q_OBJECT
 public:
  // Connects to the main window's commands; acts on its active document.
  explicit BuilderDialogCommands(MainWindow* form);
  // Connects to the actions found by object name under host; dialogs are
  // children of host.
  BuilderDialogCommands(QWidget* host, builders::DocumentSource source);

  MultimediaDialog* mediaForm() const { return MediaForm; }
  ServerVariablesDialog* specialForm() const { return SpecialForm; }
  // Actions that were looked for and not found (empty when every entry exists).
  const QStringList& missingActions() const { return missing_; }

 public slots:
  void JavaScript1Click();
  void JavaApplet1Click();
  void QuickTime1Click();
  void RealVideo1Click();
  void Shockwave1Click();
  void Plugin1Click();
  void Video1Click();
  void Audio1Click();
  void Font1Click();
  void UsingStyleSheets1Click();
  void DHTMLTransitions1Click();
  void ColdFusionBuilder1Click();
  void ASPButton1Click();
  void ToolbarButton976Click();   // ColdFusion "Vars"
  void ToolbarButton9713Click();  // SSI "Vars"
  void PHPVarButtonClick();
  void ToolbarButton9737Click();  // WML "card"
  void ToolbarButton9738Click();  // WML "access"
  void ToolbarButton9733Click();  // WML "go"

 private:
  void connectActions();
  EditorOps* document() const;
  void showVariables(const QString& mode);
  void showMedia(const QString& mode);

  QWidget* host_;
  builders::DocumentSource source_;
  MultimediaDialog* MediaForm = nullptr;
  ServerVariablesDialog* SpecialForm = nullptr;
  QStringList missing_;
};

}  // namespace markloom
