#pragma once
// The four ways a markup command changes the text. Every command that writes
// markup ends in one of them, so the caret and undo behaviour is the same for
// all of them.
#include <string>
#include <vector>

#include "core/document/editor_ops.h"

namespace markloom {

// Replaces the selection (or nothing, at the caret) by open + selection + close,
// as one undo step. The caret ends after close, also when nothing was selected.
void WrapSelection(EditorOps& ops, const std::string& open, const std::string& close);

// Inserts text at the caret and leaves the caret in front of it; a selection is
// neither removed nor replaced.
void InsertSnippet(EditorOps& ops, const std::string& text);

// Inserts whole lines as a block at the caret, as one undo step.
void InsertBlock(EditorOps& ops, const std::vector<std::string>& lines);

// Puts a, b and c as whole lines in front of the caret's line, which moves down
// by three with the caret (and the selection) on it. One undo step.
void InsertLinesAboveCaret(EditorOps& ops, const std::string& a, const std::string& b, const std::string& c);

}  // namespace markloom
