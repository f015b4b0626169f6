#include "core/text/line_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/common/error.h"
#include "core/text/file_io.h"

namespace markloom {
namespace {

struct LineListCase {
  const char* name;
  std::string input;
  std::vector<std::string> lines;
};

class LineListParse : public ::testing::TestWithParam<LineListCase> {};

TEST_P(LineListParse, SplitsAtEveryLineEndForm) { EXPECT_EQ(parseLineList(GetParam().input), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(Cases, LineListParse,
                         ::testing::Values(LineListCase{"Empty", "", {}},
                                           LineListCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                                           LineListCase{"LoneLf", "a\nb\n", {"a", "b"}},
                                           LineListCase{"LoneCr", "a\rb\r", {"a", "b"}},
                                           LineListCase{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
                                           LineListCase{"BlanksKept", "  a b  \r\n", {"  a b  "}},
                                           LineListCase{"EmptyLinesKept", "\r\n\r\nx\r\n", {"", "", "x"}},
                                           LineListCase{"CrCrLfIsTwoLines", "a\r\r\nb", {"a", "", "b"}},
                                           LineListCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
                                           LineListCase{"HighBytesKept", "\xe9t\xe9\r\n", {"\xe9t\xe9"}}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LineList, FormatEndsEveryEntryWithCrLf) {
  EXPECT_EQ(formatLineList({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(formatLineList({}), "");
}

TEST(LineList, WriteThenReadGivesTheSameEntries) {
  const auto dir = std::filesystem::temp_directory_path() / "markloom-line-list-test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "list.qdf").string();
  const std::vector<std::string> lines{"&amp;", " spaced ", "", "\xff\x01"};
  writeLineList(path, lines);
  EXPECT_EQ(readLineList(path), lines);
  EXPECT_EQ(readFile(path), "&amp;\r\n spaced \r\n\r\n\xff\x01\r\n");
  std::filesystem::remove_all(dir);
}

TEST(LineList, MissingFileRaisesCannotOpen) {
  try {
    readLineList("/nonexistent/markloom/charsa.qdf");
    FAIL() << "no error raised";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Cannot open file /nonexistent/markloom/charsa.qdf");
  }
}

}  // namespace
}  // namespace markloom
