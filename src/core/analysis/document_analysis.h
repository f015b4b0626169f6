#pragma once
// One analysis run, from a document's text to its result rows: tokenize, check
// every tag, and add the no-errors row when nothing was found.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/tag_checker.h"

namespace markloom {

// The rows for a document given as file bytes (CR LF, CR or LF line ends).
std::vector<ValidationRow> analyzeText(std::string_view bytes);

// The same for a file; raises cannotOpenFile when it cannot be read.
std::vector<ValidationRow> analyzeFile(const std::string& path);

// Checks a file read in pieces, so a large file needs neither its whole text
// nor all its rows in memory: after each piece, onRows gets the rows found in
// it (in order). Returns false when the file gave no row at all (the caller
// then reports the no-errors row). Raises cannotOpenFile when the file cannot
// be opened or read.
bool checkFileInPieces(const std::string& path, const std::function<void(const std::vector<ValidationRow>&)>& onRows);

// True when the rows report something (anything but the single no-errors row).
bool hasFindings(const std::vector<ValidationRow>& rows);

}  // namespace markloom
