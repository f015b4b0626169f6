#include "core/analysis/tag_checker.h"

#include <variant>

#include "core/analysis/element_rules.h"

namespace markloom {

ValidationRow unknownPropertyRow(std::string_view attribute, std::string_view element, int line) {
  ValidationRow row;
  row.subject = attribute;
  row.message.reserve(attribute.size() + element.size() + 24);
  row.message.append("UNKNOWN PROPERTY: ").append(attribute).append(" IN <").append(element).append(">");
  row.type = "Error";
  row.line = line;
  return row;
}

ValidationRow supersededRow(std::string_view element, int line) {
  ValidationRow row;
  row.subject = element;
  row.message.append("SUPERCEEDED/DISCONTINUED: <").append(element).append(">");
  row.type = "Deprecated";
  row.line = line;
  return row;
}

ValidationRow noErrorsRow(bool html5) {
  ValidationRow row;
  row.message = html5 ? kNoHtml5ErrorsMessage : kNoErrorsMessage;
  return row;
}

void checkTags(const std::vector<HtmlToken>& tokens, std::vector<ValidationRow>& rows) {
  const ElementTable& table = ElementTable::instance();
  for (const auto& token : tokens) {
    const auto* tag = std::get_if<TagToken>(&token);
    if (!tag) continue;
    const ElementInfo* info = table.find(tag->name);
    if (!info) continue;
    if (info->hasRule()) {
      for (const auto& param : tag->attributes) {
        if (!info->permits(param.name)) rows.push_back(unknownPropertyRow(param.name, tag->name, tag->line));
      }
    }
    if (info->superseded) rows.push_back(supersededRow(tag->name, tag->line));
  }
}

void TagChecker::check(std::string_view tagText, bool cut, int line) {
  const std::string_view namePart = tagNamePart(tagText);
  // Every element of the table starts with a letter and none is longer; this
  // turns away closing tags, comments and the like before any lookup.
  if (namePart.empty() || namePart.size() > 10) return;
  const char first = upperAscii(namePart[0]);
  if (first < 'A' || first > 'Z') return;
  name_.clear();
  appendUpper(namePart, name_);
  const ElementInfo* info = ElementTable::instance().find(name_);
  if (!info) return;
  if (info->hasRule()) {
    const char* const textEnd = tagText.data() + tagText.size();
    forEachAttributePiece(tagText, [&](std::string_view piece) {
      const std::string_view name = pieceNamePart(piece);
      if (cut && name.data() + name.size() == textEnd) return;
      attribute_.clear();
      appendUpper(name, attribute_);
      if (!info->permits(attribute_)) rows_.push_back(unknownPropertyRow(attribute_, name_, line));
    });
  }
  if (info->superseded) rows_.push_back(supersededRow(name_, line));
}

}  // namespace markloom
