// markloom-cli validate: the element and attribute check of "Validate
// Document" over files, one result row per line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/analysis/document_analysis.h"
#include "core/analysis/json_text.h"
#include "core/common/error.h"

namespace {

using markloom::ValidationRow;

const char* const kUsage = "validate [--format tsv|json] FILE...";

void appendTsv(const std::string* file, const ValidationRow& row, std::string& out) {
  if (file) out.append(*file).push_back('\t');
  out.append(row.subject).append("\t").append(row.message).append("\t").append(row.type).push_back('\n');
}

void appendJson(const std::string& file, const ValidationRow& row, std::string& out) {
  out += "{\"file\":";
  markloom::appendJsonString(file, out);
  out += ",\"line\":";
  out += row.line >= 0 ? std::to_string(row.line + 1) : "null";
  out += ",\"subject\":";
  markloom::appendJsonString(row.subject, out);
  out += ",\"message\":";
  markloom::appendJsonString(row.message, out);
  out += ",\"type\":";
  markloom::appendJsonString(row.type, out);
  out += "}\n";
}

int validate(const std::vector<std::string>& args) {
  bool json = false;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string format;
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
  bool findings = false;
  bool unreadable = false;
  std::string out;
  for (const auto& file : files) {
    const std::string* prefix = files.size() > 1 ? &file : nullptr;
    auto print = [&](const std::vector<ValidationRow>& rows) {
      out.clear();
      for (const auto& row : rows) {
        if (json)
          appendJson(file, row, out);
        else
          appendTsv(prefix, row, out);
      }
      std::fwrite(out.data(), 1, out.size(), stdout);
    };
    try {
      if (markloom::checkFileInPieces(file, print))
        findings = true;
      else
        print({markloom::noErrorsRow()});
    } catch (const markloom::Error& e) {
      std::fflush(stdout);
      std::fprintf(stderr, "%s\n", e.what());
      unreadable = true;
    }
  }
  std::fflush(stdout);
  return unreadable ? 2 : findings ? 1 : 0;
}

const markloom::cli::CommandRegistration registration{
    {"validate", kUsage, "check every tag against the element and attribute rules", validate}};

}  // namespace
