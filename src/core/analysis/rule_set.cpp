#include "core/analysis/rule_set.h"

#include "core/analysis/html_tokens.h"

namespace markloom {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool equalsUpper(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (upperAscii(text[i]) != upper[i]) return false;
  }
  return true;
}

// The next word of text (up to white space), removed from text.
std::string_view takeWord(std::string_view& text) {
  text = trimmed(text);
  std::size_t end = 0;
  while (end < text.size() && !isSpace(text[end])) ++end;
  const std::string_view word = text.substr(0, end);
  text.remove_prefix(end);
  return word;
}

constexpr std::string_view kDoctype = "!DOCTYPE";

}  // namespace

std::string_view ruleSetCaption(RuleSet set) { return set == RuleSet::Html5 ? "HTML5 rules" : "HTML 4 rules"; }

std::string_view ruleSetKey(RuleSet set) { return set == RuleSet::Html5 ? "html5" : "classic"; }

std::optional<RuleChoice> parseRuleChoice(std::string_view text) {
  if (text == "auto") return RuleChoice::ByDoctype;
  if (text == "classic") return RuleChoice::Html4;
  if (text == "html5") return RuleChoice::Html5;
  return std::nullopt;
}

bool isDoctype(std::string_view tagText) {
  return tagText.size() >= kDoctype.size() && equalsUpper(tagText.substr(0, kDoctype.size()), kDoctype);
}

bool isHtml5Doctype(std::string_view tagText) {
  if (!isDoctype(tagText)) return false;
  std::string_view rest = tagText.substr(kDoctype.size());
  if (!equalsUpper(takeWord(rest), "HTML")) return false;
  rest = trimmed(rest);
  if (rest.empty()) return true;
  if (!equalsUpper(takeWord(rest), "SYSTEM")) return false;
  rest = trimmed(rest);
  return rest == "\"about:legacy-compat\"" || rest == "'about:legacy-compat'";
}

}  // namespace markloom
