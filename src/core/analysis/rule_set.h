#pragma once
// Which rules a check uses: the HTML 4 tables or the HTML5 ones. By default a
// page's own DOCTYPE decides: "<!DOCTYPE html>" selects HTML5, any other
// DOCTYPE or none the HTML 4 tables, so older pages get exactly the rows they
// always got.
#include <optional>
#include <string_view>

namespace markloom {

enum class RuleSet { Html4, Html5 };

enum class RuleChoice { ByDoctype, Html4, Html5 };

// "HTML 4 rules" / "HTML5 rules", as the Validation tab names them.
std::string_view ruleSetCaption(RuleSet set);

// "classic" / "html5": the names on the command line and in JSON rows.
std::string_view ruleSetKey(RuleSet set);

// "auto", "classic" or "html5"; nothing for any other text.
std::optional<RuleChoice> parseRuleChoice(std::string_view text);

// True for the text of an HTML5 DOCTYPE tag (between '<' and '>'): "!DOCTYPE
// html" in any letter case and with any white space, or the legacy form with
// SYSTEM "about:legacy-compat" that some XML tools write.
bool isHtml5Doctype(std::string_view tagText);

// True for the text of any DOCTYPE tag.
bool isDoctype(std::string_view tagText);

}  // namespace markloom
