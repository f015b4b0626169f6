#pragma once
// The string grid's HTML-table writer: the grid's cells as table lines, row 0
// as the header row, column 0 (the grid's fixed column) never written.
#include <string>
#include <vector>

namespace markloom {

// Cells by row: rows[r][c]. Rows shorter than the widest one read as empty
// cells there.
using GridRows = std::vector<std::vector<std::string>>;

// One entry per line: "<table border=1>", the header row of <th nowrap>
// cells, one <tr> block of <td nowrap> cells per further row, "</table><p>".
// An empty cell is written as "<br>"; other texts unchanged. columns is the
// grid's column count, fixed column included.
std::vector<std::string> htmlTableLines(const GridRows& rows, int columns);

}  // namespace markloom
