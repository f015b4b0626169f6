#include "core/workspace/file_mask.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

struct MaskCase {
  const char* name;
  std::string mask;
  std::string file;
  bool matches;
};

class FileMaskMatch : public ::testing::TestWithParam<MaskCase> {};

TEST_P(FileMaskMatch, Matches) { EXPECT_EQ(FileMask(GetParam().mask).matches(GetParam().file), GetParam().matches); }

INSTANTIATE_TEST_SUITE_P(
    Cases, FileMaskMatch,
    ::testing::Values(MaskCase{"AllFiles", "*.*", "README", true},
                      MaskCase{"HtmlFirstPattern", "*.htm;*.html;*.shtml;*.asp;*.cfml", "index.htm", true},
                      MaskCase{"HtmlLaterPattern", "*.htm;*.html;*.shtml;*.asp;*.cfml", "a.cfml", true},
                      MaskCase{"CaseIgnored", "*.htm;*.html", "INDEX.HTML", true},
                      MaskCase{"OtherExtension", "*.htm;*.html", "notes.txt", false},
                      MaskCase{"ExtensionPrefixIsNotEnough", "*.htm", "index.html", false},
                      MaskCase{"TxtOnly", "*.txt", "a.txt", true},
                      MaskCase{"QuestionMark", "page?.php", "page1.php", true},
                      MaskCase{"QuestionNeedsOne", "page?.php", "page.php", false},
                      MaskCase{"BlanksAroundPatterns", " *.js ; *.vb ", "x.vb", true},
                      MaskCase{"EmptyMask", "", "x.vb", false},
                      MaskCase{"ManyStarsNoBlowUp", "*a*a*a*a*a*a*a*b", std::string(200, 'a'), false}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace markloom
