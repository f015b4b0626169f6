// markloom-cli validate: the element and attribute check of "Validate
// Document" over files, one result row per line, with the rules the page's
// DOCTYPE selects or those the caller names.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/analysis/document_analysis.h"
#include "core/analysis/json_text.h"
#include "core/common/error.h"
#include "core/text/whole_number.h"

namespace {

using markloom::ValidationRow;

const char* const kUsage = "validate [--format tsv|json] [--rules auto|html5|classic] [--max-warnings N] FILE...";

const char* const kHelp =
    "usage: markloom-cli validate [--format tsv|json] [--rules auto|html5|classic] [--max-warnings N] FILE...\n"
    "Checks each file against the rules its DOCTYPE selects and prints one row per finding.\n"
    "  --format tsv   Subject<TAB>Message<TAB>Type (the default); with several files the path comes first\n"
    "  --format json  one object per row: file, line, subject, message, type, rules\n"
    "  --rules auto     the page's DOCTYPE decides: <!DOCTYPE html> gives the HTML5 rules, any other or none\n"
    "                   the HTML 4 rules (the default, as in the editor)\n"
    "  --rules html5    HTML5 rules for every file\n"
    "  --rules classic  HTML 4 rules for every file\n"
    "  --max-warnings N  up to N warnings (the HTML5 rules' advice) pass with status 0, more give 1\n"
    "Exit status: 0 no rows, 1 errors (or more warnings than --max-warnings allows), 3 warnings only\n"
    "(without --max-warnings), 2 a file could not be read or the arguments were wrong.\n";

void appendTsv(const std::string* file, const ValidationRow& row, std::string& out) {
  if (file) out.append(*file).push_back('\t');
  out.append(row.subject).append("\t").append(row.message).append("\t").append(row.type).push_back('\n');
}

void appendJson(const std::string& file, const ValidationRow& row, markloom::RuleSet rules, std::string& out) {
  markloom::appendJsonMember("file", file, out, true);
  out += ",\"line\":";
  out += row.line >= 0 ? std::to_string(row.line + 1) : "null";
  markloom::appendJsonMember("subject", row.subject, out);
  markloom::appendJsonMember("message", row.message, out);
  markloom::appendJsonMember("type", row.type, out);
  markloom::appendJsonMember("rules", markloom::ruleSetKey(rules), out);
  out += "}\n";
}

int validate(const std::vector<std::string>& args) {
  bool json = false;
  markloom::RuleChoice choice = markloom::RuleChoice::ByDoctype;
  long maxWarnings = -1;  // no limit
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string format;
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if ((a == "--rules" && i + 1 < args.size()) || a.rfind("--rules=", 0) == 0) {
      const std::string rules = a == "--rules" ? args[++i] : a.substr(8);
      const auto parsed = markloom::parseRuleChoice(rules);
      if (!parsed) {
        std::fprintf(stderr, "markloom-cli validate: unknown rules '%s' (auto, html5 or classic)\n", rules.c_str());
        return 2;
      }
      choice = *parsed;
      continue;
    }
    if ((a == "--max-warnings" && i + 1 < args.size()) || a.rfind("--max-warnings=", 0) == 0) {
      const std::string n = a == "--max-warnings" ? args[++i] : a.substr(15);
      int parsed = -1;
      try {
        parsed = markloom::wholeNumber(n);
      } catch (const markloom::Error&) {
        parsed = -1;
      }
      if (parsed < 0) {
        std::fprintf(stderr, "markloom-cli validate: --max-warnings wants a whole number, not '%s'\n", n.c_str());
        return 2;
      }
      maxWarnings = parsed;
      continue;
    }
    if (a == "--format" && i + 1 < args.size())
      format = args[++i];
    else if (a.rfind("--format=", 0) == 0)
      format = a.substr(9);
    else if (a == "--") {
      files.insert(files.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
      break;
    } else if (a.size() > 1 && a[0] == '-') {
      std::fprintf(stderr, "usage: markloom-cli %s\n", kUsage);
      return 2;
    } else {
      files.push_back(a);
      continue;
    }
    if (format == "json")
      json = true;
    else if (format != "tsv") {
      std::fprintf(stderr, "markloom-cli validate: unknown format '%s' (tsv or json)\n", format.c_str());
      return 2;
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: markloom-cli %s\n", kUsage);
    return 2;
  }
  bool errors = false;
  long warnings = 0;
  bool unreadable = false;
  std::string out;
  for (const auto& file : files) {
    const std::string* prefix = files.size() > 1 ? &file : nullptr;
    auto print = [&](const std::vector<ValidationRow>& rows, markloom::RuleSet rules) {
      out.clear();
      for (const auto& row : rows) {
        if (row.type == "Warning")
          ++warnings;
        else if (!row.type.empty())
          errors = true;
        if (json)
          appendJson(file, row, rules, out);
        else
          appendTsv(prefix, row, out);
      }
      std::fwrite(out.data(), 1, out.size(), stdout);
    };
    try {
      markloom::RuleSet used = markloom::RuleSet::Html4;
      if (!markloom::checkFileInPieces(file, print, choice, &used))
        print({markloom::noErrorsRow(used == markloom::RuleSet::Html5)}, used);
    } catch (const markloom::Error& e) {
      std::fflush(stdout);
      std::fprintf(stderr, "%s\n", e.what());
      unreadable = true;
    }
  }
  std::fflush(stdout);
  if (unreadable) return 2;
  if (errors || (maxWarnings >= 0 && warnings > maxWarnings)) return 1;
  return warnings > 0 && maxWarnings < 0 ? 3 : 0;
}

const markloom::cli::CommandRegistration registration{
    {"validate", kUsage,
     "check pages against the HTML5 rules (nesting, values, ids, ARIA) or the HTML 4 element and attribute rules",
     validate}};

}  // namespace
