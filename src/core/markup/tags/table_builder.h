#pragma once
// The Create a Table dialog's output: the grid's cells written as table lines,
// passed through the table work file, with the opening tag carrying the
// dialog's width, height and border.
#include <string>
#include <string_view>
#include <vector>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

// Cells by row: rows[r][c], the grid's fixed first column included. Rows
// shorter than the widest one read as empty cells there.
using GridRows = std::vector<std::vector<std::string>>;

struct TableFields {
  std::string columns = "4";
  std::string rows = "3";
  std::string border = "0";
  std::string height = "0";
  std::string width = "0";
  // The grid as the dialog shows it: rows lines of columns + 1 cells.
  GridRows cells = GridRows(3, std::vector<std::string>(5));
  friend bool operator==(const TableFields&, const TableFields&) = default;
};

// The work file's name in the program's work folder.
inline constexpr std::string_view kTableWorkFile = "Tmp303~2.htm";

// The grid's size for a Columns or Rows text: the grid has columns + 1
// columns (the fixed one first) and rows rows. Raises notAValidInteger for a
// text that is not a whole number; counts are kept within 1 .. 32767 data
// columns or rows (0 data columns allowed), the range the up-down controls
// offer, so a typed number cannot ask for an empty or enormous grid.
int tableGridColumns(const std::string& columnsText);
int tableGridRows(const std::string& rowsText);

// The grid writer: "<table border=1>", the header row (row 0) of <th nowrap>
// cells, one <tr> block of <td nowrap> cells per further row, "</table><p>".
// The fixed column 0 is never written; an empty cell is written as "<br>",
// other texts unchanged. columns is the grid's column count, fixed one included.
std::vector<std::string> htmlTableLines(const GridRows& rows, int columns);

// Replaces the first line by <table width=".." height=".." border="..">.
std::vector<std::string> withTableAttributes(std::vector<std::string> lines, const TableFields& fields);

// A block, made the way the command always made it: the grid's lines written
// to workFile (replacing it, CR LF line ends), read back, and the dialog's
// attributes put on the first line. Raises cannotCreateFile / cannotOpenFile
// when the file fails.
Markup tableMarkup(const TableFields& fields, const std::string& workFile);

}  // namespace markloom::tags
