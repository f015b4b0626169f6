#include "core/markup/tags/table_builder.h"

#include <algorithm>

#include "core/text/file_writer.h"
#include "core/text/line_list.h"
#include "core/text/whole_number.h"

namespace markloom::tags {

namespace {

constexpr int kMaxCount = 32767;

std::string cellText(const GridRows& rows, int column, std::size_t row) {
  const std::vector<std::string>& cells = rows[row];
  const std::string text = static_cast<std::size_t>(column) < cells.size() ? cells[column] : std::string();
  return text.empty() ? std::string("<br>") : text;
}

int widest(const GridRows& rows) {
  std::size_t columns = 0;
  for (const auto& row : rows) columns = std::max(columns, row.size());
  return static_cast<int>(columns);
}

}  // namespace

int tableGridColumns(const std::string& columnsText) { return std::clamp(wholeNumber(columnsText), 0, kMaxCount) + 1; }

int tableGridRows(const std::string& rowsText) { return std::clamp(wholeNumber(rowsText), 1, kMaxCount); }

std::vector<std::string> htmlTableLines(const GridRows& rows, int columns) {
  std::vector<std::string> lines;
  lines.emplace_back("<table border=1>");
  lines.emplace_back("<tr>");
  if (!rows.empty()) {
    for (int c = 1; c < columns; ++c) lines.push_back("<th nowrap>" + cellText(rows, c, 0) + "</th>");
  }
  lines.emplace_back("</tr>");
  for (std::size_t r = 1; r < rows.size(); ++r) {
    lines.emplace_back("<tr>");
    for (int c = 1; c < columns; ++c) lines.push_back("<td nowrap>" + cellText(rows, c, r) + "</td>");
    lines.emplace_back("</tr>");
  }
  lines.emplace_back("</table><p>");
  return lines;
}

std::vector<std::string> withTableAttributes(std::vector<std::string> lines, const TableFields& f) {
  const std::string open = "<table width=\"" + f.width + "\" height=\"" + f.height + "\" border=\"" + f.border + "\">";
  if (lines.empty()) {
    lines.push_back(open);
  } else {
    lines.front() = open;
  }
  return lines;
}

Markup tableMarkup(const TableFields& fields, const std::string& workFile) {
  writeWorkFile(workFile, formatLineList(htmlTableLines(fields.cells, widest(fields.cells))));
  return block(withTableAttributes(readLineList(workFile), fields));
}

}  // namespace markloom::tags
