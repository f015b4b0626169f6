// markloom-cli compress: the "Compress Document" passes over a file, the result
// to a file (replaced atomically) or to standard output, both sizes to
// standard error.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/common/error.h"
#include "core/compress/html_compressor.h"
#include "core/text/file_io.h"
#include "platform/files/interrupt_cleanup.h"

namespace {

const char* const kUsage =
    "compress [--[no-]returns|all-returns|center|spaces|quotes|webbots|blockquote-to-ul|simple-tags] IN [-o OUT]";

int usage() {
  std::fprintf(stderr, "usage: markloom-cli %s\n", kUsage);
  return 2;
}

// Sets the switch named by an option ("returns", "no-returns", ...); false for an unknown name.
bool applyOption(const std::string& name, markloom::CompressOptions& o) {
  const bool off = name.rfind("no-", 0) == 0;
  const std::string key = off ? name.substr(3) : name;
  bool* target = nullptr;
  if (key == "returns")
    target = &o.extraLineBreaks;
  else if (key == "all-returns")
    target = &o.allLineBreaks;
  else if (key == "center")
    target = &o.center;
  else if (key == "spaces")
    target = &o.spaces;
  else if (key == "quotes")
    target = &o.quotesInTags;
  else if (key == "webbots")
    target = &o.webBots;
  else if (key == "blockquote-to-ul")
    target = &o.blockquoteToList;
  else if (key == "simple-tags")
    target = &o.shortTags;
  if (!target) return false;
  *target = !off;
  return true;
}

int compress(const std::vector<std::string>& args) {
  markloom::CompressOptions options = markloom::CompressOptions::dialogMarks();
  std::string in;
  std::string out;
  bool haveIn = false;
  bool haveOut = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o") {
      if (i + 1 >= args.size() || haveOut) return usage();
      out = args[++i];
      haveOut = true;
    } else if (a == "--help" || a == "-h") {
      std::printf("usage: markloom-cli %s\n", kUsage);
      return 0;
    } else if (a.size() > 2 && a.rfind("--", 0) == 0) {
      if (!applyOption(a.substr(2), options)) {
        std::fprintf(stderr, "markloom-cli compress: unknown option '%s'\n", a.c_str());
        return usage();
      }
    } else if (!haveIn && (a.empty() || a[0] != '-')) {
      in = a;
      haveIn = true;
    } else {
      return usage();
    }
  }
  if (!haveIn) return usage();

  std::string bytes;
  try {
    bytes = markloom::readFile(in);
  } catch (const markloom::Error& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  markloom::HtmlCompressor compressor;
  compressor.setOptions(options);
  compressor.loadBytes(std::move(bytes));
  compressor.compress();
  const std::string& result = compressor.buffer();
  if (haveOut) {
    try {
      markloom::removeStagingFilesOnInterrupt();
      markloom::writeFileAtomically(out, result);
    } catch (const markloom::Error& e) {
      std::fprintf(stderr, "%s\n", e.what());
      return 1;
    }
  } else if (std::fwrite(result.data(), 1, result.size(), stdout) != result.size() || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "markloom-cli compress: cannot write to standard output\n");
    return 1;
  }
  std::fprintf(stderr, "Original Size: %zu bytes.\nNew Size: %zu bytes.\n", compressor.sizeBefore(),
               compressor.sizeAfter());
  return 0;
}

const markloom::cli::CommandRegistration reg{
    {"compress", kUsage, "shrink an HTML page: line breaks, blanks, quotes in tags, short tags", compress}};

}  // namespace
