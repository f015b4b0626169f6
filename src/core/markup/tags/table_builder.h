#pragma once
// The Create a Table dialog's output: the grid's table lines, passed through
// the table work file, with the opening tag carrying the dialog's width,
// height and border.
#include <string>
#include <vector>

#include "core/markup/tags/html_table_writer.h"

namespace markloom {

struct TableFields {
  std::string columns = "4";  // EditCols
  std::string rows = "3";     // EditRows
  std::string border = "0";   // EditBorder
  std::string height = "0";   // EditHeight
  std::string width = "0";    // EditWidth
  friend bool operator==(const TableFields&, const TableFields&) = default;
};

// The work file's name in the program's work folder.
inline constexpr const char* kTableWorkFile = "Tmp303~2.htm";

// The grid's size for a Columns or Rows text: the grid has columns + 1
// columns (the fixed one first) and rows rows. Raises notAValidInteger for a
// text that is not a whole number; counts are kept within 1 .. 32767 data
// columns or rows (0 data columns allowed), the range the up-down controls
// offer, so a typed number cannot ask for an empty or enormous grid.
int tableGridColumns(const std::string& columnsText);
int tableGridRows(const std::string& rowsText);

// Replaces the first line by <table width=".." height=".." border="..">.
std::vector<std::string> withTableAttributes(std::vector<std::string> lines, const TableFields& fields);

// The whole command: writes the grid's lines to workFile (replacing it, CR LF
// line ends), reads them back and puts the dialog's attributes on the first
// line. Raises cannotCreateFile / cannotOpenFile when the file fails.
std::vector<std::string> tableBlock(const GridRows& rows, int columns, const TableFields& fields,
                                    const std::string& workFile);

}  // namespace markloom
