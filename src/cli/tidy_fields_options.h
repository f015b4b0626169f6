#pragma once
// The options dialog's fields and the four Tidy settings as command-line
// options, shared by "tidy --fix" and "tidy-config".
#include <string>
#include <vector>

#include "core/tidy/tidy_config.h"

namespace markloom::cli {

inline constexpr const char* kTidyFieldsUsage =
    "[--output X] [--doctype X] [--wrap X] [--indent X] [--alt X] [--encoding X|none] [--check N=0|1]... "
    "[--inline X] [--empty X] [--block X] [--pre X]";

// Takes the field option at args[i] (and its value, advancing i). Returns
// false when args[i] is not one; sets error for a field option with a bad or
// missing value.
bool takeTidyFieldOption(const std::vector<std::string>& args, std::size_t& i, TidyOptions& options,
                         TidyTagSettings& tags, std::string& error);

}  // namespace markloom::cli
