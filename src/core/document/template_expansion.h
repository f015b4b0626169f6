#pragma once
// Expanding a tag template: the word at the caret picks the templates whose
// names begin with it (without regard to case); the first of them is used at
// once when its name is the word itself, otherwise the user picks one. The
// word is replaced by the template's code, later lines indented to the column
// where the first one starts, and the caret goes to the first "|" (removed).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/tag_template_file.h"

namespace markloom {

// Indices of the templates whose names begin with word. An empty word, or one
// no template matches, gives every template.
std::vector<std::size_t> matchingTemplates(const std::vector<TagTemplate>& templates, std::string_view word);
// The template to use at once: the first match, when its name equals word.
std::optional<std::size_t> templateForWord(const std::vector<TagTemplate>& templates,
                                           const std::vector<std::size_t>& matches, std::string_view word);
// The word a selection stands for: trimmed of blanks; a selection of more than
// one line counts as no word. offset receives where the trimmed word starts.
std::string templateWord(std::string_view selection, std::size_t& offset);

struct TemplateInsertion {
  std::string text;   // the code, lines ended by lineEnd, without the caret mark
  std::size_t caret;  // where the caret goes, as an offset into text
};
// The code of t as inserted at column (of the first line), with lineEnd
// between lines.
TemplateInsertion expandTemplate(const TagTemplate& t, std::size_t column, std::string_view lineEnd);

}  // namespace markloom
