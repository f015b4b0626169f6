#pragma once
// What every tag builder gives back: the markup a dialog's fields make, in the
// form it goes into the document (a snippet at the caret, a pair of texts
// around the selection, or whole lines), and the word a builder has on fields
// it cannot take as they stand. Builders work on UTF-8 text; the command that
// inserts the markup encodes it for the document just before it goes in.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/editor_ops.h"
#include "core/text/text_codec.h"

namespace markloom::tags {

struct Markup {
  enum class Kind { Snippet, Wrap, Block };
  Kind kind = Kind::Snippet;
  std::string text;                // Snippet: the text; Wrap: what goes in front of the selection
  std::string close;               // Wrap: what goes after the selection
  std::vector<std::string> lines;  // Block: whole lines
  friend bool operator==(const Markup&, const Markup&) = default;
};

Markup snippet(std::string text);
Markup wrap(std::string open, std::string close);
Markup block(std::vector<std::string> lines);

// The markup as the document's bytes.
Markup encoded(const Markup& markup, const TextCodec& codec);
// Through the insertion primitive of its kind: InsertSnippet, WrapSelection
// or InsertBlock.
void insertMarkup(EditorOps& ops, const Markup& markup);

// Fields a builder will not take as they stand: a refusal ends the command
// with an error box, a warning is shown and the markup goes in all the same.
struct Objection {
  enum class Severity { Refusal, Warning };
  std::string_view message;
  Severity severity = Severity::Refusal;
  friend bool operator==(const Objection&, const Objection&) = default;
};
// A builder's check of a dialog's fields: nothing when they can be used.
using Check = std::optional<Objection>;

inline Check refuse(std::string_view message) { return Objection{message, Objection::Severity::Refusal}; }
inline Check warn(std::string_view message) { return Objection{message, Objection::Severity::Warning}; }

}  // namespace markloom::tags
