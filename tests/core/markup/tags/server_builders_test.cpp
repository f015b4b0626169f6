// Server variable, WML and expression builder markup, and the data files the
// Server Variables dialog and the expression builder read.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/document/text_buffer.h"
#include "core/markup/tags/cfml_expression_builder.h"
#include "core/markup/tags/server_variables_builder.h"
#include "core/markup/tags/wml_access_builder.h"
#include "core/markup/tags/wml_card_builder.h"
#include "core/markup/tags/wml_go_builder.h"
#include "core/text/file_io.h"
#include "core/text/line_list.h"

namespace markloom::tags {
namespace {

using Lines = std::vector<std::string>;

struct VariableCase {
  std::string name;
  Platform platform;
  std::string variable;
  std::string expected;
};
void PrintTo(const VariableCase& c, std::ostream* os) { *os << c.name; }
const std::vector<VariableCase> kVariableCases = {
    {"Asp", Platform::Asp, "REMOTE_ADDR", R"(<%= Request.ServerVariables("REMOTE_ADDR") %>)"},
    {"Cfm", Platform::ColdFusion, "HTTP_USER_AGENT", "#CGI.HTTP_USER_AGENT#"},
    {"Ssi", Platform::Ssi, "DOCUMENT_NAME", R"(<!--#ECHO VAR="DOCUMENT_NAME" -->)"},
    {"Php", Platform::Php, "PHP_SELF", "<?php echo $PHP_SELF; ?>"},
    {"CfmEmpty", Platform::ColdFusion, "", "#CGI.#"},
    {"AspTypedTextUnescaped", Platform::Asp, R"(a"b)", R"(<%= Request.ServerVariables("a"b") %>)"},
};
class ServerVariable : public ::testing::TestWithParam<VariableCase> {};
TEST_P(ServerVariable, IsWrittenInItsPlatformsSyntax) {
  const VariableCase& c = GetParam();
  EXPECT_EQ(serverVariableMarkup({c.platform, c.variable}), snippet(c.expected));
}
INSTANTIATE_TEST_SUITE_P(Builders, ServerVariable, ::testing::ValuesIn(kVariableCases),
                         [](const auto& row) { return row.param.name; });

TEST(ServerVariables, EachPlatformHasItsListFile) {
  EXPECT_EQ(serverVariablesFile(Platform::Asp), "Extensions\\aspvars.qdf");
  EXPECT_EQ(serverVariablesFile(Platform::ColdFusion), "Extensions\\cfmvars.qdf");
  EXPECT_EQ(serverVariablesFile(Platform::Ssi), "Extensions\\ssivars.qdf");
  EXPECT_EQ(serverVariablesFile(Platform::Php), "Extensions\\phpvars.qdf");
}

std::string dataPath(std::string_view relative) {
  std::string path = std::string(MARKLOOM_SOURCE_DIR) + "/data/";
  for (char ch : relative) path += ch == '\\' ? '/' : ch;
  return path;
}

// Every list is a CR LF line list of distinct, non-blank entries.
void expectCleanList(const std::string& path, size_t atLeast) {
  SCOPED_TRACE(path);
  const std::string bytes = readFile(path);
  const Lines entries = parseLineList(bytes);
  EXPECT_GE(entries.size(), atLeast);
  EXPECT_EQ(formatLineList(entries), bytes) << "not CR LF throughout";
  std::set<std::string> seen;
  for (const std::string& e : entries) {
    EXPECT_FALSE(e.empty());
    EXPECT_EQ(e.find_first_not_of(' '), 0u) << e;
    EXPECT_NE(e.back(), ' ') << e;
    EXPECT_TRUE(seen.insert(e).second) << "duplicate " << e;
  }
}

TEST(ServerVariableFiles, HoldEachPlatformsVariableNames) {
  struct Expect {
    Platform platform;
    const char* mustHave;
  };
  for (const Expect& e : {Expect{Platform::Asp, "REMOTE_ADDR"}, Expect{Platform::ColdFusion, "HTTP_USER_AGENT"},
                          Expect{Platform::Ssi, "DOCUMENT_NAME"}, Expect{Platform::Php, "_SERVER['PHP_SELF']"}}) {
    const std::string path = dataPath(serverVariablesFile(e.platform));
    expectCleanList(path, 10);
    const Lines entries = readLineList(path);
    EXPECT_NE(std::find(entries.begin(), entries.end(), e.mustHave), entries.end()) << path;
    for (const std::string& v : entries) {
      // Names only (PHP: an element of its server array): each is written
      // straight into markup by the dialog.
      const bool php = e.platform == Platform::Php;
      EXPECT_EQ(v.find_first_not_of(php ? "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_[]'"
                                        : "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_"),
                std::string::npos)
          << path << ": " << v;
      if (php) {
        EXPECT_EQ(v.rfind("_SERVER['", 0), 0u) << v;
      }
    }
  }
}

TEST(CfmlCategories, TwentyOneLeavesInThreeGroupsEachWithItsFile) {
  const auto& categories = cfmlCategories();
  ASSERT_EQ(categories.size(), 21u);
  std::vector<std::string_view> groups;
  for (const CfmlCategory& c : categories) {
    if (groups.empty() || groups.back() != c.group) groups.push_back(c.group);
    expectCleanList(dataPath(c.file), 3);
  }
  EXPECT_EQ(groups, (std::vector<std::string_view>{"Functions", "Constants", "Operators"}));
  EXPECT_EQ(categories[11].name, "Structures");
  EXPECT_EQ(categories[11].file, "Extensions\\Cfml\\Functions\\structure.cfx");
  EXPECT_EQ(categories[20].file, "Extensions\\Cfml\\Operators\\logical operators.cfx");
}

TEST(CfmlCategories, EntriesBelongToTheirCategory) {
  auto has = [](std::string_view file, const std::string& entry) {
    const Lines entries = readLineList(dataPath(file));
    return std::find(entries.begin(), entries.end(), entry) != entries.end();
  };
  EXPECT_TRUE(has("Extensions\\Cfml\\Functions\\arrays.cfx", "ArrayLen(array)"));
  EXPECT_TRUE(has("Extensions\\Cfml\\Functions\\decision.cfx", "IsDefined(\"variable_name\")"));
  EXPECT_TRUE(has("Extensions\\Cfml\\Operators\\logical operators.cfx", "AND"));
  EXPECT_TRUE(has("Extensions\\Cfml\\Constants\\boolean.cfx", "TRUE"));
}

TEST(CfmlOperators, SeventeenButtonsWithTheirTexts) {
  const auto& ops = cfmlOperators();
  ASSERT_EQ(ops.size(), 17u);
  EXPECT_EQ(ops[0].text, "+");
  EXPECT_EQ(ops[1].text, "-");
  EXPECT_EQ(ops[4].caption, "&&");
  EXPECT_EQ(ops[4].text, "&");
  EXPECT_EQ(ops[14].caption, "'..'");
  EXPECT_EQ(ops[14].text, "\"..\"");
  EXPECT_EQ(ops[16].text, "[..]");
}

struct WmlCase {
  std::string name;
  Markup markup;
  std::string expected;
};
void PrintTo(const WmlCase& c, std::ostream* os) { *os << c.name; }
WmlGoFields goWith(std::string address) {
  WmlGoFields f;
  f.address = std::move(address);
  return f;
}
const std::vector<WmlCase> kWmlCases = {
    {"AccessPathGetsALeadingSlash", wmlAccessMarkup({"example.org", "/docs"}),
     R"(<access domain="example.org" path="//docs"/>)"},
    {"AccessEmpty", wmlAccessMarkup({}), R"(<access domain="" path="/"/>)"},
    {"GoDefaults", wmlGoMarkup(goWith("#next")),
     R"(<go href="#next" sendreferer="False" method="GET" enctype="application/x-www-form-urlencoded"> </go>)"},
    {"GoEveryOptionalFieldEmpty", wmlGoMarkup({"", false, "", "", "", ""}),
     R"(<go href="" sendreferer="False"> </go>)"},
    {"GoEveryFieldSet", wmlGoMarkup({"a.wml", true, "PUT", "multipart/form-data", "n1", "c1"}),
     R"(<go href="a.wml" sendreferer="True" method="PUT" enctype="multipart/form-data" id="n1" class="c1"> </go>)"},
    {"GoNameWithoutMethod", wmlGoMarkup({"x", false, "", "", "n", ""}),
     R"(<go href="x" sendreferer="False" id="n"> </go>)"},
    {"Card", wmlCardMarkup({"c1", "Main"}), R"(<card id="c1" title="Main"></card>)"},
};
class WmlText : public ::testing::TestWithParam<WmlCase> {};
TEST_P(WmlText, IsExact) { EXPECT_EQ(GetParam().markup, snippet(GetParam().expected)); }
INSTANTIATE_TEST_SUITE_P(Builders, WmlText, ::testing::ValuesIn(kWmlCases),
                         [](const auto& row) { return row.param.name; });

TEST(WmlCard, ReadsInOrderWithTheCaretInFront) {
  TextBuffer doc(Lines{"<wml>", "</wml>"});
  doc.setCaret({1, 0});
  insertMarkup(doc, wmlCardMarkup({"c1", "Main"}));
  EXPECT_EQ(doc.lines(), (Lines{"<wml>", R"(<card id="c1" title="Main"></card></wml>)"}));
  EXPECT_EQ(doc.caret(), (TextPosition{1, 0}));
}

TEST(WmlGoAndAccess, AreSnippetsAtTheCaret) {
  TextBuffer doc(Lines{"ab"});
  doc.setCaret({0, 1});
  insertMarkup(doc, wmlGoMarkup(goWith("#n")));
  insertMarkup(doc, wmlAccessMarkup({"d", "p"}));
  EXPECT_EQ(doc.lines(), (Lines{"a" + wmlAccessMarkup({"d", "p"}).text + wmlGoMarkup(goWith("#n")).text + "b"}));
  EXPECT_EQ(doc.caret(), (TextPosition{0, 1}));
}

}  // namespace
}  // namespace markloom::tags
