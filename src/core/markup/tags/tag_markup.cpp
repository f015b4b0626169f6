#include "core/markup/tags/tag_markup.h"

#include <utility>

#include "core/markup/insertion_primitives.h"

namespace markloom::tags {

Markup snippet(std::string text) { return {Markup::Kind::Snippet, std::move(text), {}, {}}; }
Markup wrap(std::string open, std::string close) { return {Markup::Kind::Wrap, std::move(open), std::move(close), {}}; }
Markup block(std::vector<std::string> lines) { return {Markup::Kind::Block, {}, {}, std::move(lines)}; }

Markup encoded(const Markup& markup, const TextCodec& codec) {
  Markup out = markup;
  out.text = codec.encode(markup.text);
  out.close = codec.encode(markup.close);
  for (std::string& line : out.lines) line = codec.encode(line);
  return out;
}

void insertMarkup(EditorOps& ops, const Markup& markup) {
  switch (markup.kind) {
    case Markup::Kind::Snippet: InsertSnippet(ops, markup.text); return;
    case Markup::Kind::Wrap: WrapSelection(ops, markup.text, markup.close); return;
    case Markup::Kind::Block: InsertBlock(ops, markup.lines); return;
  }
}

}  // namespace markloom::tags
