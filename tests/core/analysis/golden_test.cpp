// Golden files: every golden/NAME.html sits beside NAME.html.tokens (one JSON
// line per token) and NAME.html.rows (one line per check row: line number,
// subject, message, type, tab-separated). On a mismatch the actual output is
// written to NAME.html.tokens.new or NAME.html.rows.new for a person to review
// and rename over the expected file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/analysis/document_analysis.h"
#include "core/analysis/tag_tokenizer.h"
#include "core/analysis/token_json.h"
#include "core/text/file_io.h"

namespace markloom {
namespace {

namespace fs = std::filesystem;

std::string tokensText(const std::string& bytes) {
  std::string out;
  for (const auto& token : tokenizeBytes(bytes)) out += tokenJson(token) + "\n";
  return out;
}

std::string rowsText(const std::string& bytes) {
  std::string out;
  for (const auto& row : analyzeText(bytes))
    out += std::to_string(row.line + 1) + "\t" + row.subject + "\t" + row.message + "\t" + row.type + "\n";
  return out;
}

void compareWithGolden(const fs::path& expectedPath, const std::string& actual) {
  const fs::path newPath = expectedPath.string() + ".new";
  std::string expected;
  if (fs::exists(expectedPath)) expected = readFile(expectedPath.string());
  if (fs::exists(expectedPath) && expected == actual) {
    fs::remove(newPath);
    return;
  }
  std::ofstream(newPath, std::ios::binary) << actual;
  ADD_FAILURE() << expectedPath << " differs from the output (or is missing); see " << newPath;
}

TEST(GoldenFiles, TokensAndRowsMatchTheStoredOutput) {
  const fs::path dir = fs::path(MARKLOOM_SOURCE_DIR) / "tests/core/analysis/golden";
  int pages = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() != ".html") continue;
    ++pages;
    SCOPED_TRACE(entry.path().string());
    const std::string bytes = readFile(entry.path().string());
    compareWithGolden(entry.path().string() + ".tokens", tokensText(bytes));
    compareWithGolden(entry.path().string() + ".rows", rowsText(bytes));
  }
  EXPECT_GT(pages, 0) << "no golden pages found in " << dir;
}

}  // namespace
}  // namespace markloom
