// Runs the rollover block, as inserted into a document, under node with a fake
// document (rollover_harness.js): the swap, the restore, the reference
// fallbacks and preloading must work as the generated link expects.
#include <gtest/gtest.h>

#include <unistd.h>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/document/text_buffer.h"
#include "core/markup/tags/rollover_builder.h"
#include "support/scratch_folder.h"

namespace markloom::tags {
namespace {

constexpr const char* kNode = "/usr/bin/node";

struct RunResult {
  int status = -1;
  std::string output;
};

RunResult run(const std::string& command) {
  RunResult r;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return r;
  std::array<char, 4096> chunk{};
  std::size_t n = 0;
  while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0) r.output.append(chunk.data(), n);
  r.status = pclose(pipe);
  return r;
}

class RolloverNodeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(kNode)) << kNode << " is missing: scripts/install-deps installs nodejs";
  }

  RunResult runPage(const std::string& text) {
    folder_.write("page.htm", text);
    const std::string harness = std::string(MARKLOOM_SOURCE_DIR) + "/tests/core/markup/tags/rollover_harness.js";
    return run(std::string(kNode) + " '" + harness + "' '" + folder_.file("page.htm") + "'");
  }

  test::ScratchFolder folder_{"rollover"};
};

TEST_F(RolloverNodeTest, InsertedBlockSwapsAndRestores) {
  TextBuffer buffer({"<html><body>", "</body></html>"});
  buffer.setCaret({1, 0});
  RolloverFields f;
  f.name = "nav1";
  f.original = "a.gif";
  f.next = "b.gif";
  f.hyperlink = "x.htm";
  insertMarkup(buffer, rolloverMarkup(f));
  const RunResult r = runPage(buffer.text());
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output, "rollover ok\n");
}

// The harness itself must be able to fail: a block whose swap does nothing is caught.
TEST_F(RolloverNodeTest, HarnessRejectsABrokenBlock) {
  RolloverFields f;
  f.name = "nav1";
  f.original = "a.gif";
  f.next = "b.gif";
  f.hyperlink = "x.htm";
  std::string text;
  for (std::string line : rolloverMarkup(f).lines) {
    if (line == "      obj.src = arguments[i + 2];") line = "      obj.src = obj.src;";
    text += line + "\r\n";
  }
  const RunResult r = runPage(text);
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.output.find("onMouseOver swaps the source"), std::string::npos) << r.output;
}

}  // namespace
}  // namespace markloom::tags
