#pragma once
// Key mappings of the editor: "Default" is the editor's own keys; the others
// add the characteristic keys of an editor family on top of them.
#include <Qsci/qscicommand.h>

#include <QString>
#include <QStringList>
#include <vector>

class QsciScintilla;

namespace markloom {

struct KeyBinding {
  QsciCommand::Command command;
  int key;  // Qt key code with modifiers, as QsciCommand takes it
};

QStringList keymappingNames();  // "Default", "Brief", "Classic", "Epsilon", "Visual Studio"
// The keys a mapping adds; empty for "Default" and for names not in the list.
std::vector<KeyBinding> keymapBindings(const QString& name);

// Puts editor's keys back to the editor's own and adds the mapping's keys.
// Returns false (keys unchanged) for a name not in the list.
bool applyKeymapping(QsciScintilla& editor, const QString& name);

// The key that expands the tag template named by the word at the caret:
// Ctrl+J, the same in every mapping.
int templateExpansionKey();

// True when the mapping last applied to editor binds key (Qt key code with
// modifiers) itself, or key is the template key; the editor's own default
// keys do not count.
bool mappingBindsKey(const QsciScintilla& editor, int key);

}  // namespace markloom
