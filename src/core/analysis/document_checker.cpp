#include "core/analysis/document_checker.h"

namespace markloom {

DocumentChecker::DocumentChecker(std::vector<ValidationRow>& rows, RuleChoice choice) : html4_(rows), html5_(rows) {
  if (choice == RuleChoice::Html4) decided_ = RuleSet::Html4;
  if (choice == RuleChoice::Html5) decided_ = RuleSet::Html5;
}

void DocumentChecker::check(std::string_view tagText, std::string_view tail, bool cut, int line) {
  if (decided_ == RuleSet::Html5) {
    // The HTML5 check reads the line feeds as the white space they stand for.
    if (cut)
      html5_.longTag(tagText, tail, line);
    else
      html5_.tag(tagText, line);
    return;
  }
  std::string_view joined = tagText;
  if (tagText.find('\n') != std::string_view::npos) {
    joined_.clear();
    for (char c : tagText)
      if (c != '\n') joined_.push_back(c);
    joined = joined_;
  }
  if (!decided_) {
    const char first = joined.empty() ? '\0' : upperAscii(joined[0]);
    if (isDoctype(tagText)) {
      decided_ = isHtml5Doctype(tagText) ? RuleSet::Html5 : RuleSet::Html4;
    } else if (first >= 'A' && first <= 'Z') {
      decided_ = RuleSet::Html4;  // an element before any DOCTYPE: the page has none
    } else {
      // Comments, processing instructions, stray '>': no rows in either set.
      // The HTML5 check still follows them (a comment left open hides what
      // comes after it; an XML declaration makes the page XHTML), so that a
      // page the DOCTYPE gives to it reads as when the user chose it.
      if (cut)
        html5_.longTag(tagText, tail, line);
      else
        html5_.tag(tagText, line);
      return;
    }
  }
  if (*decided_ == RuleSet::Html5) {
    if (cut)
      html5_.longTag(tagText, tail, line);
    else
      html5_.tag(tagText, line);
  } else if (cut) {
    html4_.longTag(joined, tail, line);
  } else {
    html4_.tag(joined, line);
  }
}

}  // namespace markloom
