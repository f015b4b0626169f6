// The rollover builder: the script block's shape, the link line, the whole
// block as inserted into a document, and the checks that stop the command.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/document/text_buffer.h"
#include "core/markup/tags/rollover_builder.h"

namespace markloom::tags {
namespace {

RolloverFields nav1() {
  RolloverFields f;
  f.name = "nav1";
  f.original = "a.gif";
  f.next = "b.gif";
  f.hyperlink = "x.htm";
  return f;
}

const char* const kNav1Line =
    R"~(<a href="x.htm" onMouseOut="MM_swapImgRestore()" onMouseOver="MM_swapImage('document.nav1','document.nav1','b.gif')"><img name="nav1" border="0" src="a.gif"></a>)~";

TEST(RolloverScriptTest, HasTheFixedFrameAndThreeFunctions) {
  const std::vector<std::string>& s = rolloverScript();
  ASSERT_EQ(s.size(), 45u);
  EXPECT_EQ(s[0], R"(<script language="JavaScript">)");
  EXPECT_EQ(s[1], "<!--");
  EXPECT_EQ(s[42], "");
  EXPECT_EQ(s[43], "//-->");
  EXPECT_EQ(s[44], "</script>");
  for (const char* name : {"MM_swapImgRestore()", "MM_preloadImages()", "MM_swapImage()"}) {
    const std::string first = std::string("function ") + name + " { //v2.0";
    const auto at = std::find(s.begin(), s.end(), first);
    ASSERT_NE(at, s.end()) << name;
    // Functions are separated by empty lines.
    EXPECT_EQ(*(at - 1), at - 1 == s.begin() + 1 ? "<!--" : "") << name;
  }
  const auto mentions = [&s](const std::string& what) {
    return std::any_of(s.begin(), s.end(), [&](const std::string& l) { return l.find(what) != std::string::npos; });
  };
  EXPECT_TRUE(mentions("document.MM_swapImgData"));
  EXPECT_TRUE(mentions("document.preloadArray"));
}

TEST(RolloverLinkTest, LinkLineOfTheNav1Example) { EXPECT_EQ(rolloverLinkLine(nav1()), kNav1Line); }

TEST(RolloverLinkTest, EmptyReplacementGivesEmptyThirdArgument) {
  RolloverFields f = nav1();
  f.next.clear();
  f.original.clear();
  EXPECT_EQ(
      rolloverLinkLine(f),
      R"~(<a href="x.htm" onMouseOut="MM_swapImgRestore()" onMouseOver="MM_swapImage('document.nav1','document.nav1','')"><img name="nav1" border="0" src=""></a>)~");
}

TEST(RolloverBlockTest, InsertedAsScriptEmptyLineAndLinkLine) {
  TextBuffer buffer({"<body>", "</body>"});
  buffer.setCaret({1, 0});
  insertMarkup(buffer, rolloverMarkup(nav1()));
  const std::vector<std::string> lines = buffer.lines();
  ASSERT_EQ(lines.size(), 2u + 45u + 2u);
  EXPECT_EQ(lines.front(), "<body>");
  EXPECT_TRUE(std::equal(rolloverScript().begin(), rolloverScript().end(), lines.begin() + 1));
  EXPECT_EQ(lines[46], "");
  EXPECT_EQ(lines[47], kNav1Line);
  EXPECT_EQ(lines[48], "</body>");
}

TEST(RolloverBlockTest, TwoRolloversInsertTheScriptTwice) {
  TextBuffer buffer;
  insertMarkup(buffer, rolloverMarkup(nav1()));
  insertMarkup(buffer, rolloverMarkup(nav1()));
  const std::vector<std::string> lines = buffer.lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string("function MM_swapImage() { //v2.0")), 2);
}

struct CheckCase {
  std::string name;
  RolloverFields fields;
  Check expected;
};
void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

const std::vector<CheckCase> kCheckCases = {
    {"Complete", nav1(), std::nullopt},
    {"NoImagesIsNotAStop",
     [] {
       auto f = nav1();
       f.original = f.next = "";
       return f;
     }(),
     std::nullopt},
    {"NoHyperlink",
     [] {
       auto f = nav1();
       f.hyperlink = "";
       return f;
     }(),
     refuse("Please give a hyperlink.")},
    {"NoName",
     [] {
       auto f = nav1();
       f.name = "";
       return f;
     }(),
     refuse("Please give a name.")},
    {"HyperlinkCheckedFirst", RolloverFields{}, refuse("Please give a hyperlink.")},
};

class RolloverChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(RolloverChecks, StopsWithTheMessage) { EXPECT_EQ(rolloverCheck(GetParam().fields), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, RolloverChecks, ::testing::ValuesIn(kCheckCases),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace markloom::tags
