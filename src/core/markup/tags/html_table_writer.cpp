#include "core/markup/tags/html_table_writer.h"

namespace markloom {

namespace {
std::string cellText(const GridRows& rows, int column, std::size_t row) {
  const std::vector<std::string>& cells = rows[row];
  const std::string text = static_cast<std::size_t>(column) < cells.size() ? cells[column] : std::string();
  return text.empty() ? std::string("<br>") : text;
}
}  // namespace

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

}  // namespace markloom
