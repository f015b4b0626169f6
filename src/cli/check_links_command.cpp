// markloom-cli check-links: the Link Validator over files, one row per line.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/analysis/json_text.h"
#include "core/common/error.h"
#include "core/links/link_check.h"
#include "core/text/whole_number.h"
#include "platform/net/link_fetcher.h"

namespace {

const char* const kUsage =
    "check-links [--no-hyperlinks] [--no-images] [--no-scripts] [--objects] [--classic] [--jobs N] "
    "[--timeout SECONDS] [--format tsv|json] FILE...";

const char* const kHelp =
    "usage: markloom-cli check-links [options] FILE...\n"
    "Checks the links of each page as the Link Validator does and prints one row per broken link:\n"
    "Type<TAB>Link<TAB>Status<TAB>Message (with several files the path comes first).\n"
    "  --no-hyperlinks  skip <a href>        --no-images  skip <img src>\n"
    "  --no-scripts     skip <script src>    --objects    also check <embed src>\n"
    "  --classic        the classic rules: only http:// links fetched, only 404, 403 and 500 reported\n"
    "  --jobs N         at most N requests at once (default 64; 32 per host at most)\n"
    "  --timeout S      each web link may take S seconds from the moment it is asked (default 30)\n"
    "  --format json    one object per row: file, line, type, link, status, message\n"
    "Exit status: 0 no rows, 1 rows, 2 a file could not be read or the arguments were wrong.\n";

// The whole number an option takes, when it is one from low to high.
std::optional<long> optionNumber(const std::string& text, int low, int high) {
  try {
    const int n = markloom::wholeNumber(text);
    if (n >= low && n <= high) return n;
  } catch (const markloom::Error&) {
  }
  return std::nullopt;
}

void appendRow(const std::string* file, bool json, const std::string& path, const markloom::LinkRow& row,
               std::string& out) {
  if (json) {
    markloom::appendJsonMember("file", path, out, true);
    out += ",\"line\":" + std::to_string(row.line + 1);
    markloom::appendJsonMember("type", row.type, out);
    markloom::appendJsonMember("link", row.link, out);
    markloom::appendJsonMember("status", row.status, out);
    markloom::appendJsonMember("message", row.message, out);
    out += "}\n";
    return;
  }
  if (file) out.append(*file).push_back('\t');
  out.append(row.type).append("\t").append(row.link).append("\t").append(row.status).append("\t");
  out.append(row.message).push_back('\n');
}

int checkLinks(const std::vector<std::string>& args) {
  markloom::LinkOptions options;
  markloom::LinkFetchSettings fetch;
  bool json = false;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (a == "--no-hyperlinks") {
      options.hyperlinks = false;
    } else if (a == "--no-images") {
      options.images = false;
    } else if (a == "--no-scripts") {
      options.scripts = false;
    } else if (a == "--objects") {
      options.objects = true;
    } else if (a == "--classic") {
      options.modern = false;
    } else if (a == "--jobs" && i + 1 < args.size()) {
      const auto jobs = optionNumber(args[++i], 1, 1024);
      if (!jobs) {
        std::fprintf(stderr, "markloom-cli check-links: --jobs takes a number from 1 to 1024\n");
        return 2;
      }
      fetch.jobs = *jobs;
    } else if (a == "--timeout" && i + 1 < args.size()) {
      const auto seconds = optionNumber(args[++i], 1, 3600);
      if (!seconds) {
        std::fprintf(stderr, "markloom-cli check-links: --timeout takes a number of seconds from 1 to 3600\n");
        return 2;
      }
      fetch.timeoutSeconds = *seconds;
    } else if (a == "--format" && i + 1 < args.size()) {
      const std::string format = args[++i];
      if (format != "tsv" && format != "json") {
        std::fprintf(stderr, "markloom-cli check-links: unknown format '%s' (tsv or json)\n", format.c_str());
        return 2;
      }
      json = format == "json";
    } else if (a.size() > 1 && a[0] == '-') {
      std::fprintf(stderr, "usage: markloom-cli %s\n", kUsage);
      return 2;
    } else {
      files.push_back(a);
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: markloom-cli %s\n", kUsage);
    return 2;
  }
  fetch.modern = options.modern;
  if (const char* ca = std::getenv("MARKLOOM_CA_FILE")) fetch.certificateFile = ca;

  int status = 0;
  for (const std::string& path : files) {
    // Read in pieces: a page of any size takes the memory of its links only.
    std::vector<markloom::FoundLink> links;
    try {
      links = markloom::collectLinksInFile(path, options);
    } catch (const markloom::Error& e) {
      std::fprintf(stderr, "%s\n", e.what());
      status = 2;
      continue;
    }
    std::string base = std::filesystem::absolute(path).parent_path().string();
    if (base.empty() || base.back() != '/') base += '/';
    markloom::LinkCheck check(links, base, options, [](const std::string& p) {
      std::error_code ignored;
      return std::filesystem::is_regular_file(p, ignored);
    });
    markloom::fetchLinkAddresses(check.addresses(), fetch, [&](std::size_t address, const markloom::WebAnswer& a) {
      check.setAnswer(address, a);
    });
    std::string out;
    const std::vector<markloom::LinkRow> rows = check.rows();
    for (const markloom::LinkRow& row : rows) appendRow(files.size() > 1 ? &path : nullptr, json, path, row, out);
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (!rows.empty() && status == 0) status = 1;
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "markloom-cli check-links: the rows could not be written\n");
    return status == 2 ? 2 : 1;
  }
  return status;
}

const markloom::cli::CommandRegistration registration{
    {"check-links", kUsage, "check the links of pages: local files and web addresses, many at once", checkLinks}};

}  // namespace
