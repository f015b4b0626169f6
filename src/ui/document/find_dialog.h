#pragma once
// The editor's find and replace dialog (one window, replace row shown or not).
// The texts typed into it become the document's bytes through its codec, so
// they find and write the same characters in UTF-8 and in 8-bit documents.
#include <QDialog>
#include <QPointer>
#include <string>

#include "platform/editor/markloom_editor.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace markloom {

class DocumentWindow;

class FindDialog : public QDialog {
  Q_OBJECT
 public:
  FindDialog(DocumentWindow* window, bool replaceMode, QWidget* parent = nullptr);

  void setFindText(const QString& text);
  QComboBox* findBox() const { return findBox_; }
  QComboBox* replaceBox() const { return replaceBox_; }
  QCheckBox* caseBox() const { return caseBox_; }

 signals:
  // A search was made with these texts and options (F3 repeats it).
  void searched(const QString& text, markloom::MarkloomEditor::SearchFlags flags);

 public slots:
  bool findNext();    // false (and a message) when nothing more is found
  bool replaceOne();  // replaces the current match, then finds the next
  int replaceAll();   // the number of replacements, as one undo step

 private:
  bool search();
  void remember(QComboBox* box);
  std::string findBytes() const;
  std::string replaceBytes() const;
  MarkloomEditor::SearchFlags flags() const;

  QPointer<DocumentWindow> window_;
  QComboBox* findBox_ = nullptr;
  QComboBox* replaceBox_ = nullptr;
  QCheckBox* caseBox_ = nullptr;
  QCheckBox* wholeBox_ = nullptr;
  QCheckBox* regexBox_ = nullptr;
  QCheckBox* backBox_ = nullptr;
  bool matched_ = false;  // the selection is the match found last
};

}  // namespace markloom
