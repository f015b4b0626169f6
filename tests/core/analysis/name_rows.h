#pragma once
// The rows of the element and attribute name check, without the rows of the
// HTML5 checks that read more than names (nesting, values, ids, ARIA): tests
// of how tags are read compare these alone, on fragments that are not whole
// documents.
#include <string_view>
#include <vector>

#include "core/analysis/tag_checker.h"

namespace markloom {

inline bool isNameRow(const ValidationRow& row) {
  const std::string_view m = row.message;
  return m.starts_with("UNKNOWN PROPERTY: ") || m.starts_with("UNKNOWN TAG: ") ||
         m.starts_with("SUPERCEEDED/DISCONTINUED: ");
}

inline std::vector<ValidationRow> nameRows(const std::vector<ValidationRow>& rows) {
  std::vector<ValidationRow> out;
  for (const auto& row : rows)
    if (isNameRow(row)) out.push_back(row);
  return out;
}

}  // namespace markloom
