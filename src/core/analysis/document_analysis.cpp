#include "core/analysis/document_analysis.h"

#include <vector>

#include "core/analysis/document_checker.h"
#include "core/common/error.h"
#include "core/text/file_io.h"

namespace markloom {

namespace {

// Text runs are of no interest to the check: not collecting them keeps a
// page without '<' from being held whole.
ScanLimits checkLimits() {
  ScanLimits limits;
  limits.keepText = false;
  limits.textPieces = true;  // the HTML5 content models look at where text stands
  limits.tagHead = kCheckedTagBytes;
  return limits;
}

// Small pieces bound the rows waiting to be handed on.
constexpr std::size_t kPieceBytes = 256 * 1024;

}  // namespace

std::vector<ValidationRow> analyzeText(std::string_view bytes, RuleChoice choice, RuleSet* used) {
  std::vector<ValidationRow> rows;
  DocumentChecker checker(rows, choice);
  TagScanner scanner(checker, TagLines::Marked, checkLimits());
  scanner.feed(bytes);
  scanner.finish();
  checker.finish();
  if (rows.empty()) rows.push_back(noErrorsRow(checker.ruleSet() == RuleSet::Html5));
  if (used) *used = checker.ruleSet();
  return rows;
}

bool checkFileInPieces(const std::string& path, const RowsHandler& onRows, RuleChoice choice, RuleSet* used) {
  std::vector<ValidationRow> rows;
  DocumentChecker checker(rows, choice);
  TagScanner scanner(checker, TagLines::Marked, checkLimits());
  bool found = false;
  auto hand = [&] {
    if (rows.empty()) return;
    found = true;
    onRows(rows, checker.ruleSet());
    rows.clear();
  };
  readFileInPieces(
      path,
      [&](std::string_view piece) {
        scanner.feed(piece);
        hand();
      },
      kPieceBytes);
  scanner.finish();
  checker.finish();
  hand();
  if (used) *used = checker.ruleSet();
  return found;
}

std::vector<ValidationRow> analyzeFile(const std::string& path, RuleChoice choice, RuleSet* used) {
  std::vector<ValidationRow> all;
  RuleSet set = RuleSet::Html4;
  const bool found = checkFileInPieces(
      path, [&](const std::vector<ValidationRow>& rows, RuleSet) { all.insert(all.end(), rows.begin(), rows.end()); },
      choice, &set);
  if (!found) all.push_back(noErrorsRow(set == RuleSet::Html5));
  if (used) *used = set;
  return all;
}

bool hasFindings(const std::vector<ValidationRow>& rows) {
  return !rows.empty() && !(rows.size() == 1 && rows.front().type.empty());
}

}  // namespace markloom
