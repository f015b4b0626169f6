#pragma once
// One analysis run, from a document's text to its result rows: tokenize, check
// every tag with the chosen rules, and add the no-errors row when nothing was
// found.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/rule_set.h"
#include "core/analysis/tag_checker.h"

namespace markloom {

// The check keeps this much of a tag's text (and its last bytes): a tag
// longer than any real page holds is checked on its start, so memory stays
// flat whatever the input.
inline constexpr std::size_t kCheckedTagBytes = 256 * 1024;

// The rows for a document given as file bytes (CR LF, CR or LF line ends).
// When used is given, it receives the rule set the check used.
std::vector<ValidationRow> analyzeText(std::string_view bytes, RuleChoice choice = RuleChoice::ByDoctype,
                                       RuleSet* used = nullptr);

// The same for a file; raises cannotOpenFile when it cannot be read.
std::vector<ValidationRow> analyzeFile(const std::string& path, RuleChoice choice = RuleChoice::ByDoctype,
                                       RuleSet* used = nullptr);

// Checks a file read in pieces, so a large file needs neither its whole text
// nor all its rows in memory: after each piece, onRows gets the rows found in
// it (in order) and the rule set they come from. Returns false when the file
// gave no row at all (the caller then reports the no-errors row). Raises
// cannotOpenFile when the file cannot be opened or read.
using RowsHandler = std::function<void(const std::vector<ValidationRow>&, RuleSet)>;
bool checkFileInPieces(const std::string& path, const RowsHandler& onRows, RuleChoice choice = RuleChoice::ByDoctype,
                       RuleSet* used = nullptr);

// True when the rows report something (anything but the single no-errors row).
bool hasFindings(const std::vector<ValidationRow>& rows);

}  // namespace markloom
