#include "ui/spell/spell_check.h"

#include <QApplication>

#include "platform/editor/markloom_editor.h"
#include "platform/spell/hunspell_dictionary.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/spell/spell_check_dialog.h"

namespace markloom {

namespace {
// The line around offset, for the dialog.
std::string lineAround(const std::string& text, std::size_t offset) {
  std::size_t from = text.find_last_of("\r\n", offset == 0 ? 0 : offset - 1);
  from = from == std::string::npos || offset == 0 ? 0 : from + 1;
  std::size_t to = text.find_first_of("\r\n", offset);
  if (to == std::string::npos) to = text.size();
  return text.substr(from, std::min<std::size_t>(to - from, 300));
}
}  // namespace

int spellCheckDocument(DocumentWindow& document, QWidget* parent, const SpellSession::Decide& decide) {
  MarkloomEditor& editor = *document.editor();
  // The check runs on a copy of the text, so the offsets of the changes stay
  // those of this copy until they are written back.
  const std::string text = editor.bytes();
  const TextCodec codec = document.document().codec();
  HunspellDictionary dictionary(document.spellSetup(), codec);
  SpellSession session(dictionary, document.spellSetup().options);
  // The text does not change while the check asks, so the questioned words
  // can be shown selected in place, scrolled into view.
  auto showInEditor = [&](const SpellIssue& issue) {
    editor.SendScintilla(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(issue.offset),
                         static_cast<long>(issue.offset + issue.length));
  };
  std::vector<SpellChange> changes;
  if (decide) {
    changes = session.run(text, [&](const SpellIssue& issue) {
      showInEditor(issue);
      return decide(issue);
    });
  } else {
    SpellCheckDialog dialog(codec, parent);
    changes = session.run(text, [&](const SpellIssue& issue) {
      showInEditor(issue);
      return dialog.ask(issue, lineAround(text, issue.offset));
    });
  }
  // Back into the editor, last change first so earlier offsets stay valid.
  int made = 0;
  editor.beginUndoAction();
  std::size_t limit = text.size() + 1;
  for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
    if (it->offset + it->length > limit) continue;  // overlaps a later change
    editor.SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(it->offset),
                         static_cast<long>(it->offset + it->length));
    editor.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, static_cast<unsigned long>(it->replacement.size()),
                         it->replacement.data());
    limit = it->offset;
    ++made;
  }
  editor.endUndoAction();
  if (!session.stopped())
    Prompter::instance().message(QApplication::applicationDisplayName(),
                                 QStringLiteral("The spelling check is complete."), Prompter::Icon::Information,
                                 Prompter::Buttons::Ok);
  return made;
}

}  // namespace markloom
