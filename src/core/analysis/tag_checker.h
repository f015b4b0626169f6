#pragma once
// The element and attribute check: for every tag, each attribute its element's
// rule does not permit, then the element itself when it is superseded.
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/html_tokens.h"
#include "core/analysis/tag_scanner.h"

namespace markloom {

struct ValidationRow {
  std::string subject;  // the attribute or element concerned
  std::string message;
  std::string type;  // "Error", "Deprecated" (HTML 4 rules), "Warning" (HTML5 rules), or empty for the no-errors row
  int line = -1;     // zero-based line of the tag; -1 for the no-errors row
  friend bool operator==(const ValidationRow&, const ValidationRow&) = default;
};

inline constexpr std::string_view kNoErrorsMessage = "No errors found in this document.";
// The same row under the HTML5 rules says what was checked.
inline constexpr std::string_view kNoHtml5ErrorsMessage = "No errors found by the HTML5 rules.";

ValidationRow unknownPropertyRow(std::string_view attribute, std::string_view element, int line);
ValidationRow supersededRow(std::string_view element, int line);
// The no-errors row of the rule set that found nothing (the HTML 4 one by default).
ValidationRow noErrorsRow(bool html5 = false);

// Appends the rows for every tag token, in document order; text is ignored.
void checkTags(const std::vector<HtmlToken>& tokens, std::vector<ValidationRow>& rows);

// The same check straight from the scanner, without building tokens: it needs
// only the element and attribute names, so text runs are not normalised.
class TagChecker : public TokenSink {
 public:
  explicit TagChecker(std::vector<ValidationRow>& rows) : rows_(rows) {}
  void tag(std::string_view tagText, int line) override { check(tagText, false, line); }
  void text(std::string_view, int) override {}
  // A tag too long to keep whole is checked on its start.
  void longTag(std::string_view head, std::string_view, int line) override { check(head, true, line); }

 private:
  // cut: the text is only the tag's start, so a piece running into its end
  // may be part of a longer name and is passed over.
  void check(std::string_view tagText, bool cut, int line);

  std::vector<ValidationRow>& rows_;
  std::string name_;
  std::string attribute_;
};

}  // namespace markloom
