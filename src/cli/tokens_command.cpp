// markloom-cli tokens: the tag tokenizer's tokens of a file as JSON lines.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/analysis/tag_scanner.h"
#include "core/analysis/token_json_stream.h"
#include "core/common/error.h"
#include "core/text/file_io.h"

namespace {

int tokens(const std::vector<std::string>& args) {
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-')) {
    std::fprintf(stderr, "usage: markloom-cli tokens FILE\n");
    return 2;
  }
  // The file is read in pieces and each token written as soon as it ends, so
  // memory follows the largest token, not the file.
  markloom::TokenJsonStream writer([](std::string_view block) { std::fwrite(block.data(), 1, block.size(), stdout); });
  markloom::TagScanner scanner(writer);
  try {
    markloom::readFileInPieces(args[0], [&](std::string_view piece) { scanner.feed(piece); });
  } catch (const markloom::Error& e) {
    writer.flush();
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  scanner.finish();
  writer.flush();
  std::fflush(stdout);
  return 0;
}

const markloom::cli::CommandRegistration registration{
    {"tokens", "tokens FILE", "print the tag tokenizer's tokens of FILE as JSON lines", tokens}};

}  // namespace
