#pragma once
// Spell Check on a document: the text is checked in a scratch copy, then the
// chosen corrections are written back into the editor as one undo step. Bytes
// that were not corrected stay exactly as they were.
#include "core/document/spell_session.h"

class QWidget;

namespace markloom {

class DocumentWindow;

// With no decide function the check dialog asks the user. Returns the number
// of corrections made. Raises when no dictionary can be opened.
int spellCheckDocument(DocumentWindow& document, QWidget* parent, const SpellSession::Decide& decide = {});

}  // namespace markloom
