#pragma once
// The tag dialog commands: Image, Hyperlink, Rollover Image, Table, Layer,
// Navigation Menu and the Visual Layer Creator. Each opens its dialog, builds
// the markup from the fields on OK and inserts it into the active document.
//
// The menu entries and tag bar buttons are made by the markup catalog's group;
// this group finds their actions by object name ("Image1", "Hyperlink1",
// "RolloverImage1", "Table1", "Layer1", "N12", "VisualLayerCreator1") and
// connects its handlers to them.
#include <QObject>
#include <functional>

namespace markloom {

class EditorOps;
class MainWindow;

class TagDialogCommands : public QObject {
  Q_OBJECT
 public:
  using DocumentSource = std::function<EditorOps*()>;

  explicit TagDialogCommands(MainWindow* form);
  // Connects to the actions found by object name under host; dialogs are
  // shown over host and act on source's document (nullptr: none open).
  TagDialogCommands(QWidget* host, DocumentSource source);

 public slots:
  void Image1Click();
  void Hyperlink1Click();
  void RolloverImage1Click();
  void Table1Click();
  void Layer1Click();
  void N12Click();
  void VisualLayerCreator1Click();

 private:
  // Connects every action found; returns true when all were there.
  bool connectActions();

  QWidget* host_;
  DocumentSource source_;
};

}  // namespace markloom
