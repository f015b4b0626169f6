// Typing helps of a document window: hint lists, tag templates and the choice
// of colouring scheme.
#include <QFile>
#include <algorithm>

#include "core/common/error.h"
#include "core/document/hint_triggers.h"
#include "core/document/template_expansion.h"
#include "core/highlighting/highlighter_table.h"
#include "core/highlighting/scheme_file.h"
#include "core/text/text_codec.h"
#include "core/text/text_encoding.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scheme_lexer.h"
#include "platform/files/program_folder.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document.h"
#include "ui/document/document_window.h"

namespace markloom {

namespace {
using Sci = QsciScintillaBase;
constexpr const char* kOtherScheme = "Other...";
}  // namespace

void DocumentWindow::offerHintList() {
  const HintTrigger* trigger = hintTriggerFor(document_->editorOps().wordAtCaret());
  if (!trigger) return;
  // '<' opens the tag list; every other trigger is a JavaScript object's.
  if (!(trigger->word == "<" ? tagHints_ : scriptHints_)) return;
  document_->loadHintList(
      programPath(QString::fromUtf8(trigger->listFile.data(), static_cast<qsizetype>(trigger->listFile.size()))));
  document_->editorOps().showPopupList(document_->hintList());
}

void DocumentWindow::chooseHighlighter(const QString& text) {
  QString path;
  if (text == QLatin1String(kOtherScheme)) {
    // A scheme file of the user's own, such as one saved from Highlighting Options.
    path = Prompter::instance().openFileName(QStringLiteral("Open Syntax Scheme"),
                                             programPath(QStringLiteral("Extensions\\schemes")),
                                             QStringLiteral("Syntax schemes (*.sch);;All Files (*)"));
    if (path.isEmpty()) return;
  } else {
    const std::string_view file = schemeFileFor(text.toStdString());
    if (file.empty()) return;
    path = programPath(QStringLiteral("Extensions\\schemes\\") +
                       QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())));
  }
  // Read first: a file that is missing or no scheme leaves the colouring as it was.
  SyntaxScheme scheme = readSchemeFile(QFile::encodeName(path).toStdString());
  lexer_->setScheme(scheme);
}

void DocumentWindow::expandTemplate() {
  const auto& templates = document_->templates();
  if (templates.empty()) return;
  MarkloomEditor& e = *editor_;
  const auto caret = static_cast<unsigned long>(e.SendScintilla(Sci::SCI_GETCURRENTPOS));
  long from = 0, to = 0;
  std::string word;
  if (e.hasSelectedText()) {
    std::size_t offset = 0;
    word = templateWord(e.selectedBytes(), offset);
    from = e.selectionStartPosition() + static_cast<long>(offset);
    to = from + static_cast<long>(word.size());
    if (word.empty()) from = to = static_cast<long>(caret);
  } else {
    from = e.SendScintilla(Sci::SCI_WORDSTARTPOSITION, caret, 1L);
    to = e.SendScintilla(Sci::SCI_WORDENDPOSITION, caret, 1L);
    if (to > from) {
      e.SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(from), to);
      word = e.selectedBytes();
    }
  }
  // Templates hold UTF-8 text; the word is the document's.
  const std::string asName = document_->codec().decode(word);
  const std::vector<std::size_t> matches = matchingTemplates(templates, asName);
  if (const auto at = templateForWord(templates, matches, asName)) {
    insertTemplate(*at, from, to);
    return;
  }
  listedTemplates_ = matches;
  templateFrom_ = from;
  templateTo_ = to;
  std::vector<std::string> items;
  for (std::size_t i : matches) {
    const TagTemplate& t = templates[i];
    std::string item = t.description.empty() ? t.name : t.name + "  " + t.description;
    // Entries must differ for the pick to name one template.
    for (const std::string& earlier : items)
      if (earlier == document_->codec().encode(item)) item += " (" + std::to_string(i + 1) + ")";
    items.push_back(document_->codec().encode(item));
  }
  e.SendScintilla(Sci::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(to));
  e.showTemplateList(items);
}

void DocumentWindow::insertTemplate(std::size_t index, long from, long to) {
  const auto& templates = document_->templates();
  if (index >= templates.size()) return;
  MarkloomEditor& e = *editor_;
  const auto column = static_cast<std::size_t>(e.SendScintilla(Sci::SCI_GETCOLUMN, static_cast<unsigned long>(from)));
  TagTemplate t = templates[index];
  t.code = document_->codec().encode(t.code);
  const TemplateInsertion insertion = markloom::expandTemplate(t, column, lineEndText(e.lineEnd()));
  e.SendScintilla(Sci::SCI_BEGINUNDOACTION);
  e.SendScintilla(Sci::SCI_SETTARGETRANGE, static_cast<unsigned long>(from), to);
  e.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(insertion.text.size()), insertion.text.data());
  e.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(from + static_cast<long>(insertion.caret)));
  e.SendScintilla(Sci::SCI_ENDUNDOACTION);
}

void DocumentWindow::templatePicked(int listIndex) {
  if (listIndex < 0 || listIndex >= static_cast<int>(listedTemplates_.size())) return;
  // Text typed while the list was up belongs to the word too.
  const long caret = editor_->SendScintilla(Sci::SCI_GETCURRENTPOS);
  insertTemplate(listedTemplates_[static_cast<std::size_t>(listIndex)], templateFrom_, std::max(templateTo_, caret));
  listedTemplates_.clear();
}

}  // namespace markloom
