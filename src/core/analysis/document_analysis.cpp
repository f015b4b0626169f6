#include "core/analysis/document_analysis.h"

#include <vector>

#include "core/common/error.h"
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

bool checkFileInPieces(const std::string& path, const std::function<void(const std::vector<ValidationRow>&)>& onRows) {
  std::vector<ValidationRow> rows;
  TagChecker checker(rows);
  TagScanner scanner(checker);
  bool found = false;
  auto hand = [&] {
    if (rows.empty()) return;
    found = true;
    onRows(rows);
    rows.clear();
  };
  readFileInPieces(
      path,
      [&](std::string_view piece) {
        scanner.feed(piece);
        hand();
      },
      1 << 20);
  scanner.finish();
  hand();
  return found;
}

std::vector<ValidationRow> analyzeFile(const std::string& path) {
  std::vector<ValidationRow> all;
  const bool found = checkFileInPieces(
      path, [&](const std::vector<ValidationRow>& rows) { all.insert(all.end(), rows.begin(), rows.end()); });
  if (!found) all.push_back(noErrorsRow());
  return all;
}

bool hasFindings(const std::vector<ValidationRow>& rows) {
  return !rows.empty() && !(rows.size() == 1 && rows.front() == noErrorsRow());
}

}  // namespace markloom
