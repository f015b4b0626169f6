// A tidy job: what goes to the work files and how tidy's messages and result
// are read back, the same for the menu and markloom-cli.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/common/error.h"
#include "core/tidy/tidy_job.h"

namespace markloom {
namespace {

using Lines = std::vector<std::string>;

const std::string kPhpPage = "<p title=\"<?= $t ?>\">one</p>\r\n<?php echo 2; ?>\r\n";

TidyOptions rawOptions() {
  TidyOptions o;
  o.encoding = TidyEncoding::Raw;
  o.wrap = "0";
  return o;
}

struct JobCase {
  const char* name;
  TidyCommand command;
  bool generatesConfig;
  TidyRunPlan::Result result;  // an 8-bit page with the Raw choice
};

std::ostream& operator<<(std::ostream& os, const JobCase& c) { return os << c.name; }

class PreparedJob : public ::testing::TestWithParam<JobCase> {};

// Only Fix and Format writes a configuration, and only it heeds the options'
// encoding; every command protects the page's server-side blocks.
TEST_P(PreparedJob, TakesTheOptionsOnlyForFixAndFormat) {
  const JobCase& c = GetParam();
  const TidyTagSettings tags{"span", "", "section", ""};
  const TidyJob job = prepareTidyJob(c.command, kPhpPage, TextEncoding::EightBit, rawOptions(), tags);
  EXPECT_EQ(job.command, c.command);
  if (c.generatesConfig) {
    ASSERT_TRUE(job.generatedConfig.has_value());
    EXPECT_EQ(*job.generatedConfig, generateConfig(rawOptions(), tags));
  } else {
    EXPECT_FALSE(job.generatedConfig.has_value());
  }
  EXPECT_EQ(job.plan.result, c.result);
  EXPECT_EQ(job.page.text.find("<?="), std::string::npos);
  EXPECT_EQ(job.page.text.find("echo 2"), std::string::npos);
  EXPECT_EQ(job.page.blocks.size(), 2u);
  // Handing tidy's output back as it came restores the page byte for byte.
  EXPECT_EQ(job.result(job.page.text, TextCodec::detect(kPhpPage)), kPhpPage);
}

const JobCase kJobCases[] = {
    {"Format", TidyCommand::Format, false, TidyRunPlan::Result::Latin1},
    {"FixAndFormat", TidyCommand::FixAndFormat, true, TidyRunPlan::Result::DocumentBytes},
    {"StyleSheets", TidyCommand::StyleSheets, false, TidyRunPlan::Result::Latin1},
    {"Xml", TidyCommand::Xml, false, TidyRunPlan::Result::Latin1},
    {"Xhtml", TidyCommand::Xhtml, false, TidyRunPlan::Result::Latin1},
};

INSTANTIATE_TEST_SUITE_P(Commands, PreparedJob, ::testing::ValuesIn(kJobCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PreparedJob, RefusesAPageWhoseBlocksCannotBeKept) {
  EXPECT_THROW(prepareTidyJob(TidyCommand::Format, "<p><?php echo 1;\r\n", TextEncoding::Utf8), Error);
}

TEST(TidyJobResult, ComesBackInTheDocumentsEncoding) {
  const std::string page = "<p>caf\xc3\xa9</p>";
  const TidyJob job = prepareTidyJob(TidyCommand::Xhtml, page, TextEncoding::Utf8);
  EXPECT_EQ(job.result("<p>caf\xc3\xa9</p>\n", TextCodec::detect(page)), "<p>caf\xc3\xa9</p>\n");
  const TidyJob fixed = prepareTidyJob(TidyCommand::Format, "<p>caf\xe9</p>", TextEncoding::EightBit);
  EXPECT_EQ(fixed.result("<p>caf\xe9</p>\n", TextCodec::detect("<p>caf\xe9</p>")), "<p>caf\xe9</p>\n");
}

// The log comes first, then standard error, each naming the page's blocks.
TEST(TidyMessages, ListTheLogThenStandardErrorWithTheBlocksShown) {
  const TidyJob job = prepareTidyJob(TidyCommand::Format, "<input <?php echo 'x'; ?>>", TextEncoding::Utf8);
  const std::string placeholder = job.page.prefix + "000000x";
  ASSERT_NE(job.page.text.find(placeholder), std::string::npos) << job.page.text;
  const std::string log = "line 1 column 1 - Warning: attribute \"" + placeholder + "\"\r\nInfo: done";
  const std::string errorOutput = "Config: unknown option: x\nsecond\n";
  EXPECT_EQ(tidyMessageLines(log, errorOutput, job.page),
            (Lines{"line 1 column 1 - Warning: attribute \"<?php echo 'x'; ?>\"", "Info: done",
                   "Config: unknown option: x", "second"}));
  EXPECT_EQ(tidyMessageText(log, errorOutput, job.page),
            "line 1 column 1 - Warning: attribute \"<?php echo 'x'; ?>\"\r\nInfo: doneConfig: unknown option: x\n"
            "second\n");
  EXPECT_EQ(tidyMessageLines("", "", job.page), Lines{});
  EXPECT_EQ(tidyMessageText("", "", job.page), "");
}

TEST(TidyExitStatus, LeavesAResultOnlyWhenCleanOrWarned) {
  EXPECT_TRUE(tidyLeftResult(0));
  EXPECT_TRUE(tidyLeftResult(1));
  EXPECT_FALSE(tidyLeftResult(2));
  EXPECT_FALSE(tidyLeftResult(-1));
}

}  // namespace
}  // namespace markloom
