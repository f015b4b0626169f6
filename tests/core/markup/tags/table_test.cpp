// The string grid's table writer and the table command: header row, <br> for
// empty cells, the work-file round trip and the opening tag's attributes.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <string>
#include <vector>

#include "core/common/error.h"
#include "core/markup/tags/table_builder.h"
#include "support/scratch_folder.h"

namespace markloom::tags {
namespace {

using Lines = std::vector<std::string>;

GridRows emptyGrid(int rows, int columns) { return GridRows(rows, std::vector<std::string>(columns)); }

// The table's lines for these cells and attributes, through the work file.
Lines tableLines(GridRows cells, TableFields fields, const std::string& workFile) {
  fields.cells = std::move(cells);
  return tableMarkup(fields, workFile).lines;
}

// The expected lines for a grid of R rows and C columns whose cells are all empty.
Lines allEmpty(int rows, int columns, const std::string& open = "<table border=1>") {
  Lines l{open, "<tr>"};
  for (int c = 1; c < columns; ++c) l.push_back("<th nowrap><br></th>");
  l.push_back("</tr>");
  for (int r = 1; r < rows; ++r) {
    l.push_back("<tr>");
    for (int c = 1; c < columns; ++c) l.push_back("<td nowrap><br></td>");
    l.push_back("</tr>");
  }
  l.push_back("</table><p>");
  return l;
}

struct WriterCase {
  std::string name;
  GridRows rows;
  int columns;
  Lines expected;
};
void PrintTo(const WriterCase& c, std::ostream* os) { *os << c.name; }

const std::vector<WriterCase> kWriterCases = {
    {"DefaultGrid", emptyGrid(3, 5), 5, allEmpty(3, 5)},
    {"OneRowIsHeaderOnly", emptyGrid(1, 5), 5, allEmpty(1, 5)},
    {"OnlyTheFixedColumn",
     emptyGrid(3, 1),
     1,
     {"<table border=1>", "<tr>", "</tr>", "<tr>", "</tr>", "<tr>", "</tr>", "</table><p>"}},
    {"FixedColumnNeverWritten",
     {{"zero", "h"}, {"one", "d"}},
     2,
     {"<table border=1>", "<tr>", "<th nowrap>h</th>", "</tr>", "<tr>", "<td nowrap>d</td>", "</tr>", "</table><p>"}},
    {"CellsWrittenUnchanged",
     {{"", "<b>", "a&b"}, {"", " ", "\"q\""}},
     3,
     {"<table border=1>", "<tr>", "<th nowrap><b></th>", "<th nowrap>a&b</th>", "</tr>", "<tr>", "<td nowrap> </td>",
      "<td nowrap>\"q\"</td>", "</tr>", "</table><p>"}},
    {"AppendedRowIsWritten", emptyGrid(4, 2), 2, allEmpty(4, 2)},
};

class TableWriter : public ::testing::TestWithParam<WriterCase> {};

TEST_P(TableWriter, WritesTheLines) {
  EXPECT_EQ(htmlTableLines(GetParam().rows, GetParam().columns), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TableWriter, ::testing::ValuesIn(kWriterCases),
                         [](const auto& row) { return row.param.name; });

class TableBlockTest : public ::testing::Test {
 protected:
  std::string fileBytes() const { return folder_.read(std::string(kTableWorkFile)); }
  test::ScratchFolder folder_{"table"};
  std::string work_ = folder_.file(std::string(kTableWorkFile));
};

TEST_F(TableBlockTest, UnchangedDialogGivesTheDefaultTable) {
  const Lines block = tableMarkup(TableFields{}, work_).lines;
  EXPECT_EQ(block, allEmpty(3, 5, R"(<table width="0" height="0" border="0">)"));
  // The work file keeps the writer's own lines, CR LF ended.
  std::string expected;
  for (const std::string& l : allEmpty(3, 5)) expected += l + "\r\n";
  EXPECT_EQ(fileBytes(), expected);
}

TEST_F(TableBlockTest, FirstColumnFilledExample) {
  GridRows rows = emptyGrid(3, 5);
  rows[0][1] = "a";
  rows[1][1] = "b";
  rows[2][1] = "c";
  const Lines expected = {R"(<table width="0" height="0" border="0">)",
                          "<tr>",
                          "<th nowrap>a</th>",
                          "<th nowrap><br></th>",
                          "<th nowrap><br></th>",
                          "<th nowrap><br></th>",
                          "</tr>",
                          "<tr>",
                          "<td nowrap>b</td>",
                          "<td nowrap><br></td>",
                          "<td nowrap><br></td>",
                          "<td nowrap><br></td>",
                          "</tr>",
                          "<tr>",
                          "<td nowrap>c</td>",
                          "<td nowrap><br></td>",
                          "<td nowrap><br></td>",
                          "<td nowrap><br></td>",
                          "</tr>",
                          "</table><p>"};
  EXPECT_EQ(tableLines(rows, TableFields{}, work_), expected);
}

TEST_F(TableBlockTest, AttributesTakenUnchangedAndFileReplaced) {
  folder_.write(std::string(kTableWorkFile), "old content that is much longer than the new table\r\n");
  TableFields f;
  f.width = "100%";
  f.height = "";
  f.border = "x";
  const Lines block = tableLines(emptyGrid(1, 2), f, work_);
  EXPECT_EQ(block.front(), R"(<table width="100%" height="" border="x">)");
  EXPECT_EQ(fileBytes(), "<table border=1>\r\n<tr>\r\n<th nowrap><br></th>\r\n</tr>\r\n</table><p>\r\n");
}

TEST_F(TableBlockTest, LineBreakInACellBecomesTwoLinesThroughTheFile) {
  GridRows rows = {{"", "one\ntwo"}};
  EXPECT_EQ(tableLines(rows, TableFields{}, work_), (Lines{R"(<table width="0" height="0" border="0">)", "<tr>",
                                                           "<th nowrap>one", "two</th>", "</tr>", "</table><p>"}));
}

TEST_F(TableBlockTest, UnwritableFolderRaisesCannotCreate) {
  if (geteuid() == 0) {
    // root writes anywhere; a path below a regular file fails for everyone.
    folder_.write("plain", "x");
    work_ = (folder_.path() / "plain" / std::string(kTableWorkFile)).string();
  } else {
    std::filesystem::permissions(folder_.path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  }
  try {
    tableLines(emptyGrid(3, 5), TableFields{}, work_);
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot create file " + work_ + (::geteuid() == 0 ? ": Not a directory" : ": Permission denied"));
  }
}

struct SizeCase {
  std::string name;
  std::string text;
  int columns;  // grid columns for this Columns text
  int rows;     // grid rows for this Rows text
};
void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

const std::vector<SizeCase> kSizeCases = {
    {"Default", "4", 5, 4},
    {"One", "1", 2, 1},
    {"ZeroLeavesTheFixedColumnAndOneRow", "0", 1, 1},
    {"NegativeKeptInRange", "-3", 1, 1},
    {"LeadingBlanksAndSign", "  +7", 8, 7},
    {"LargestOffered", "32767", 32768, 32767},
    {"LargerKeptInRange", "99999", 32768, 32767},
};

class TableGridSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(TableGridSize, ColumnsAndRows) {
  EXPECT_EQ(tableGridColumns(GetParam().text), GetParam().columns);
  EXPECT_EQ(tableGridRows(GetParam().text), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Cases, TableGridSize, ::testing::ValuesIn(kSizeCases),
                         [](const auto& row) { return row.param.name; });

TEST(TableGridSizeTest, NotANumberRaisesTheConversionError) {
  for (const std::string text : {"", "abc", "4x", "4 ", " ", "-", "99999999999"}) {
    try {
      tableGridColumns(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid integer value");
    }
  }
}

}  // namespace
}  // namespace markloom::tags
