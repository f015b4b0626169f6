// markloom-cli tokens: the tag tokenizer's tokens of a file as JSON lines.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/analysis/tag_scanner.h"
#include "core/analysis/token_json.h"
#include "core/common/error.h"
#include "core/text/file_io.h"

namespace {

// Writes each token as soon as it is complete, so a large file needs no token list.
class JsonWriter : public markloom::TokenSink {
 public:
  ~JsonWriter() override { flush(); }
  void tag(std::string_view tagText, int line) override { add(markloom::makeTag(tagText, line)); }
  void text(std::string_view raw, int line) override { add(markloom::makeText(raw, line)); }
  void flush() {
    std::fwrite(out_.data(), 1, out_.size(), stdout);
    out_.clear();
  }

 private:
  void add(const markloom::HtmlToken& token) {
    out_ += markloom::tokenJson(token);
    out_ += '\n';
    if (out_.size() > (1u << 20)) flush();
  }
  std::string out_;
};

int tokens(const std::vector<std::string>& args) {
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-')) {
    std::fprintf(stderr, "usage: markloom-cli tokens FILE\n");
    return 2;
  }
  std::string bytes;
  try {
    bytes = markloom::readFile(args[0]);
  } catch (const markloom::Error& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  JsonWriter writer;
  markloom::TagScanner scanner(writer);
  scanner.feed(bytes);
  scanner.finish();
  writer.flush();
  std::fflush(stdout);
  return 0;
}

const markloom::cli::CommandRegistration registration{
    {"tokens", "tokens FILE", "print the tag tokenizer's tokens of FILE as JSON lines", tokens}};

}  // namespace
