#pragma once
// Showing the active document in the user's browsers (Tools toolbar ▸
// "Preview"), starting the companion programs of the Tools menu and opening
// the help pages (Help ▸ "&Contents", F1).
//
// A titled document is previewed as last saved: its file goes to the browser as
// one argument. An untitled one is first written, line by line with CR LF, to
// the work file Prt335.htm, which every such preview overwrites.
#include <QObject>
#include <QString>

namespace markloom {

class Workbench;

class PreviewCommands : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kPreviewFile = "Prt335.htm";
  static constexpr const char* kSheetcraftProgram = "sheetcraft";
  static constexpr const char* kVisualEditorProgram = "vised";
  static constexpr const char* kHelpStartPage = "Help\\index.htm";

  explicit PreviewCommands(Workbench& workbench);

  // Browser n, 1 to 6.
  void previewInBrowser(int n);
  void startSheetcraft();
  void startVisualEditor();
  void openHelp();

 private:
  Workbench& workbench_;
};

}  // namespace markloom
