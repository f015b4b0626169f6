// The tag tokenizer reads documents from anywhere. On any bytes it must not
// crash, must give the same tokens whether the file comes whole, split at an
// arbitrary point, or as a list of lines, must agree with the literal
// character-by-character procedure, and the checker straight from the scanner
// must give the same rows as the checker over the token list. The HTML5 check
// must give the same rows whole or split.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/document_analysis.h"
#include "core/analysis/document_checker.h"
#include "core/analysis/literal_tokenizer.h"
#include "core/analysis/tag_checker.h"
#include "core/analysis/tag_tokenizer.h"
#include "core/analysis/token_json.h"
#include "core/text/line_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace markloom;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::vector<HtmlToken> whole = tokenizeBytes(bytes);

  const std::vector<std::string> lines = parseLineList(bytes);
  if (tokenizeLines(lines) != whole) std::abort();

  // Split where the first byte says, so chunk edges land everywhere, CR LF pairs included.
  if (size > 1) {
    const std::size_t cut = data[0] % size;
    std::vector<HtmlToken> split;
    TokenCollector collector(split);
    TagScanner scanner(collector);
    scanner.feed(bytes.substr(0, cut));
    scanner.feed(bytes.substr(cut));
    scanner.finish();
    if (split != whole) std::abort();
  }

  // The literal procedure collapses blanks in place, quadratic on long runs.
  if (size <= 1024 && literal::tokenize(lines) != whole) std::abort();

  std::vector<ValidationRow> rows;
  checkTags(whole, rows);
  if (rows.empty()) rows.push_back(noErrorsRow());
  if (analyzeText(bytes, RuleChoice::Html4) != rows) std::abort();

  // Left to the page, the check is one of the two sets; each gives the same
  // rows whether the file comes whole or split.
  RuleSet used = RuleSet::Html4;
  const std::vector<ValidationRow> chosen = analyzeText(bytes, RuleChoice::ByDoctype, &used);
  if (chosen != analyzeText(bytes, used == RuleSet::Html5 ? RuleChoice::Html5 : RuleChoice::Html4)) std::abort();
  if (size > 1) {
    const std::size_t cut = data[0] % size;
    for (const RuleChoice choice : {RuleChoice::Html4, RuleChoice::Html5}) {
      std::vector<ValidationRow> split;
      DocumentChecker checker(split, choice);
      ScanLimits limits;
      limits.keepText = false;
      limits.textPieces = true;
      TagScanner scanner(checker, TagLines::Marked, limits);
      scanner.feed(bytes.substr(0, cut));
      scanner.feed(bytes.substr(cut));
      scanner.finish();
      checker.finish();
      if (split.empty()) split.push_back(noErrorsRow(choice == RuleChoice::Html5));
      if (split != analyzeText(bytes, choice)) std::abort();
    }
  }

  for (const auto& token : whole) {
    const std::string json = tokenJson(token);
    if (json.empty() || json.front() != '{' || json.back() != '}') std::abort();
  }
  return 0;
}
