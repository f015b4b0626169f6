#include "core/markup/tags/table_builder.h"

#include <algorithm>

#include "core/text/whole_number.h"
#include "core/text/line_list.h"

namespace markloom {

namespace {
constexpr int kMaxCount = 32767;
}

int tableGridColumns(const std::string& columnsText) {
  return std::clamp(wholeNumber(columnsText), 0, kMaxCount) + 1;
}

int tableGridRows(const std::string& rowsText) { return std::clamp(wholeNumber(rowsText), 1, kMaxCount); }

std::vector<std::string> withTableAttributes(std::vector<std::string> lines, const TableFields& f) {
  const std::string open = "<table width=\"" + f.width + "\" height=\"" + f.height + "\" border=\"" + f.border + "\">";
  if (lines.empty()) {
    lines.push_back(open);
  } else {
    lines.front() = open;
  }
  return lines;
}

std::vector<std::string> tableBlock(const GridRows& rows, int columns, const TableFields& fields,
                                    const std::string& workFile) {
  writeLineList(workFile, htmlTableLines(rows, columns));
  return withTableAttributes(readLineList(workFile), fields);
}

}  // namespace markloom
