#pragma once
// Tools ▸ "Highlighting Options": a window of its own, "Syntax Highlighting",
// with a scheme editor that starts from a copy of the built-in scheme. It is
// tied to no document: a scheme reaches documents as a file, saved here and
// chosen in a document's Highlighters box. Each use opens a further window.
#include <QDialog>

namespace markloom {

class SchemeEditor;

class HighlightingOptionsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HighlightingOptionsWindow(QWidget* parent = nullptr);
  SchemeEditor* editor() const { return editor_; }

  // Opens a new window, shown and centred on the screen.
  static HighlightingOptionsWindow* open(QWidget* parent);

 private:
  SchemeEditor* editor_;
};

}  // namespace markloom
