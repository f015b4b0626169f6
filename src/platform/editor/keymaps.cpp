#include "platform/editor/keymaps.h"

#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

#include <QVariant>

namespace markloom {

namespace {

using C = QsciCommand;
constexpr int Ctrl = Qt::CTRL, Alt = Qt::ALT, Shift = Qt::SHIFT;

const char* kDefaultsProperty = "markloomDefaultKeys";
const char* kMappingProperty = "markloomKeymapping";

}  // namespace

QStringList keymappingNames() { return {"Default", "Brief", "Classic", "Epsilon", "Visual Studio"}; }

std::vector<KeyBinding> keymapBindings(const QString& name) {
  if (name == "Brief") {
    // Alt-letter editing, keypad clipboard keys and Home/End that stay on the line.
    return {{C::Undo, Alt | Qt::Key_U},
            {C::LineDelete, Alt | Qt::Key_D},
            {C::DeleteLineRight, Alt | Qt::Key_K},
            {C::SelectionCut, (Qt::KeypadModifier | Qt::Key_Minus).toCombined()},
            {C::SelectionCopy, (Qt::KeypadModifier | Qt::Key_Plus).toCombined()},
            {C::Paste, Qt::Key_Insert},
            {C::LineScrollDown, Ctrl | Qt::Key_D},
            {C::LineScrollUp, Ctrl | Qt::Key_E},
            {C::DocumentStart, Ctrl | Qt::Key_PageUp},
            {C::DocumentEnd, Ctrl | Qt::Key_PageDown},
            {C::DeleteWordLeft, Ctrl | Qt::Key_Backspace}};
  }
  if (name == "Classic") {
    // The control-key diamond: E/X/S/D move, R/C page, A/F by word, G/Y/T delete.
    return {{C::LineUp, Ctrl | Qt::Key_E},         {C::LineDown, Ctrl | Qt::Key_X}, {C::CharLeft, Ctrl | Qt::Key_S},
            {C::CharRight, Ctrl | Qt::Key_D},      {C::WordLeft, Ctrl | Qt::Key_A}, {C::WordRight, Ctrl | Qt::Key_F},
            {C::PageUp, Ctrl | Qt::Key_R},         {C::PageDown, Ctrl | Qt::Key_C}, {C::LineScrollUp, Ctrl | Qt::Key_W},
            {C::LineScrollDown, Ctrl | Qt::Key_Z}, {C::Delete, Ctrl | Qt::Key_G},   {C::LineDelete, Ctrl | Qt::Key_Y},
            {C::DeleteWordRight, Ctrl | Qt::Key_T}};
  }
  if (name == "Epsilon") {
    // Control and meta keys of the Emacs family.
    return {{C::CharRight, Ctrl | Qt::Key_F},
            {C::CharLeft, Ctrl | Qt::Key_B},
            {C::LineDown, Ctrl | Qt::Key_N},
            {C::LineUp, Ctrl | Qt::Key_P},
            {C::VCHome, Ctrl | Qt::Key_A},
            {C::LineEnd, Ctrl | Qt::Key_E},
            {C::WordRight, Alt | Qt::Key_F},
            {C::WordLeft, Alt | Qt::Key_B},
            {C::Delete, Ctrl | Qt::Key_D},
            {C::DeleteLineRight, Ctrl | Qt::Key_K},
            {C::PageDown, Ctrl | Qt::Key_V},
            {C::PageUp, Alt | Qt::Key_V},
            {C::DocumentStart, Alt | Shift | Qt::Key_Less},
            {C::DocumentEnd, Alt | Shift | Qt::Key_Greater},
            {C::DeleteWordRight, Alt | Qt::Key_D},
            {C::Undo, Ctrl | Qt::Key_Underscore},
            {C::VerticalCentreCaret, Ctrl | Qt::Key_L}};
  }
  if (name == "Visual Studio") {
    // Line cut and delete, case keys, line transpose and word deletion.
    return {{C::LineCut, Ctrl | Qt::Key_L},
            {C::LineDelete, Ctrl | Shift | Qt::Key_L},
            {C::SelectionLowerCase, Ctrl | Qt::Key_U},
            {C::SelectionUpperCase, Ctrl | Shift | Qt::Key_U},
            {C::LineTranspose, Alt | Shift | Qt::Key_T},
            {C::DeleteWordRight, Ctrl | Qt::Key_Delete},
            {C::DeleteWordLeft, Ctrl | Qt::Key_Backspace},
            {C::LineDuplicate, Ctrl | Qt::Key_D},
            {C::MoveSelectedLinesUp, Alt | Qt::Key_Up},
            {C::MoveSelectedLinesDown, Alt | Qt::Key_Down}};
  }
  return {};
}

int templateExpansionKey() { return Ctrl | Qt::Key_J; }

bool mappingBindsKey(const QsciScintilla& editor, int key) {
  if (key == templateExpansionKey()) return true;
  for (const KeyBinding& b : keymapBindings(editor.property(kMappingProperty).toString()))
    if (b.key == key) return true;
  return false;
}

bool applyKeymapping(QsciScintilla& editor, const QString& name) {
  if (!keymappingNames().contains(name)) return false;
  QsciCommandSet* set = editor.standardCommands();
  // Record the editor's own keys once, then start every mapping from them.
  QVariant stored = editor.property(kDefaultsProperty);
  QVariantMap defaults = stored.toMap();
  if (!stored.isValid()) {
    for (QsciCommand* cmd : set->commands())
      defaults.insert(QString::number(static_cast<int>(cmd->command())), QVariantList{cmd->key(), cmd->alternateKey()});
    editor.setProperty(kDefaultsProperty, defaults);
  }
  for (QsciCommand* cmd : set->commands()) {
    const auto keys = defaults.value(QString::number(static_cast<int>(cmd->command()))).toList();
    cmd->setKey(0);
    cmd->setAlternateKey(0);
    if (keys.size() == 2) {
      cmd->setKey(keys[0].toInt());
      cmd->setAlternateKey(keys[1].toInt());
    }
  }
  for (const KeyBinding& b : keymapBindings(name)) {
    // The mapping's key wins over whatever command had it.
    for (QsciCommand* cmd : set->commands()) {
      if (cmd->key() == b.key) cmd->setKey(0);
      if (cmd->alternateKey() == b.key) cmd->setAlternateKey(0);
    }
    if (QsciCommand* cmd = set->find(b.command)) cmd->setAlternateKey(b.key);
  }
  editor.setProperty(kMappingProperty, name);
  return true;
}

}  // namespace markloom
