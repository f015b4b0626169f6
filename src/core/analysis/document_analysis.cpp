#include "core/analysis/document_analysis.h"

#include "core/text/file_io.h"

namespace markloom {

std::vector<ValidationRow> analyzeText(std::string_view bytes) {
  std::vector<ValidationRow> rows;
  TagChecker checker(rows);
  TagScanner scanner(checker);
  scanner.feed(bytes);
  scanner.finish();
  if (rows.empty()) rows.push_back(noErrorsRow());
  return rows;
}

std::vector<ValidationRow> analyzeFile(const std::string& path) { return analyzeText(readFile(path)); }

bool hasFindings(const std::vector<ValidationRow>& rows) {
  return !rows.empty() && !(rows.size() == 1 && rows.front() == noErrorsRow());
}

}  // namespace markloom
