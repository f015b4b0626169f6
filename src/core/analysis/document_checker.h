#pragma once
// The check of one document, from the scanner's tags to result rows, with the
// rule set chosen by the page or forced by the user. The page's DOCTYPE comes
// before any element, so the set is known before the first row: everything
// streams, and the rows of a page the HTML 4 tables were made for are exactly
// the rows those tables give.
#include <optional>
#include <string>
#include <vector>

#include "core/analysis/html5_tag_checker.h"
#include "core/analysis/rule_set.h"
#include "core/analysis/tag_checker.h"

namespace markloom {

class DocumentChecker : public TokenSink {
 public:
  DocumentChecker(std::vector<ValidationRow>& rows, RuleChoice choice);
  // tagText may hold line feeds where the tag's lines were joined (a scanner
  // made with TagLines::Marked); the HTML 4 check reads the text without them.
  void tag(std::string_view tagText, int line) override { check(tagText, tagText, false, line); }
  // Text pieces reach the HTML5 check only (its content models say where
  // text may stand); the HTML 4 tables never look at text.
  void text(std::string_view raw, int line) override {
    if (decided_ == RuleSet::Html5) html5_.text(raw, line);
  }
  // The end of the document: the checks that need all of it.
  void finish() {
    if (decided_ == RuleSet::Html5) html5_.finish();
  }
  void longTag(std::string_view head, std::string_view tail, int line) override { check(head, tail, true, line); }

  // The set in use. Left to the page, it is decided by the first DOCTYPE or
  // element; before either (and for a page with neither) it is HTML 4.
  RuleSet ruleSet() const { return decided_.value_or(RuleSet::Html4); }

 private:
  void check(std::string_view head, std::string_view tail, bool cut, int line);

  std::optional<RuleSet> decided_;
  TagChecker html4_;
  Html5TagChecker html5_;
  std::string joined_;
};

}  // namespace markloom
