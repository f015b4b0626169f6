// Server-side blocks kept out of tidy's reach and put back byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "core/common/error.h"
#include "core/tidy/server_blocks.h"
#include "core/tidy/tidy_run.h"

namespace markloom {
namespace {

struct ProtectCase {
  const char* name;
  std::string page;
  std::string placeholders;  // the page as tidy sees it
};

std::ostream& operator<<(std::ostream& os, const ProtectCase& c) { return os << c.name; }

class ProtectBlocks : public ::testing::TestWithParam<ProtectCase> {};

TEST_P(ProtectBlocks, SwapsEachBlockForAPlaceholderAndBack) {
  const ProtectedPage page = protectServerBlocks(GetParam().page);
  EXPECT_EQ(page.text, GetParam().placeholders);
  // Unchanged by tidy, the page comes back as it was.
  EXPECT_EQ(restoreServerBlocks(page.text, page), GetParam().page);
}

const ProtectCase kProtectCases[] = {
    {"NoBlocks", "<p class=\"a\">x</p>", "<p class=\"a\">x</p>"},
    {"QuotedValue", "<a href=\"<?php echo $u; ?>\">l</a>", "<a href=\"mklmsrv000000x\">l</a>"},
    {"UnquotedValue", "<img src=<?php echo $s ?> alt=x>", "<img src=mklmsrv000000x alt=x>"},
    {"JoinedToValueText", "<a href='/p?id=<%= id %>&x=1'>", "<a href='/p?id=mklmsrv000000x&x=1'>"},
    {"StandingAloneAmongAttributes", "<input type=\"checkbox\" <?php if ($c) echo 'checked'; ?>>",
     "<input type=\"checkbox\" mklmsrv000000x>"},
    {"TextKeepsItsKind", "<p><?php echo \"<b>x</b>\"; ?> and <% Response.Write(\"<i>\") %></p>",
     "<p><?php mklmsrv000000x?> and <%mklmsrv000001x%></p>"},
    {"ShortEcho", "<td><?= $r ?></td>", "<td><?php mklmsrv000000x?></td>"},
    {"CloserInsidePhpStringDoesNotEndTheBlock", "<b><?php echo '?>'; $a = \"x?>\"; ?></b>",
     "<b><?php mklmsrv000000x?></b>"},
    {"LineCommentEndsAtCloser", "<?php // note ?><p>", "<?php mklmsrv000000x?><p>"},
    {"BlockNamingAnAttributeKeepsItsValue", "<input <?= $n ?>=\"1\" <?= $x ?>=\"\">",
     "<input mklmsrv000000x=\"1\" mklmsrv000001x=\"\">"},
    {"BlockHidingAGreaterThanInATag", "<a title=x <?php if ($a > 1) echo 'b'; ?> href=y>",
     "<a title=x mklmsrv000000x href=y>"},
    {"InsideScript", "<script>var u = '<?= $u ?>';</script>", "<script>var u = '<?php mklmsrv000000x?>';</script>"},
    {"XmlDeclarationIsLeftAlone", "<?xml version=\"1.0\"?><p/>", "<?xml version=\"1.0\"?><p/>"},
    {"PrefixInThePageIsAvoided", "<p>MKLMSRV</p><?php x(); ?>", "<p>MKLMSRV</p><?php mklmsrvq000000x?>"},
    {"CrLfInsideABlockKept", "<p><?php\r\n  a();\r\n?></p>\r\n", "<p><?php mklmsrv000000x?></p>\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProtectBlocks, ::testing::ValuesIn(kProtectCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct RefusedCase {
  const char* name;
  std::string page;
  std::string messageStart;
};

std::ostream& operator<<(std::ostream& os, const RefusedCase& c) { return os << c.name; }

class RefusedPages : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedPages, AreRefusedWithTheLine) {
  try {
    protectServerBlocks(GetParam().page);
    FAIL() << "not refused";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()).rfind(GetParam().messageStart, 0), 0u) << e.what();
  }
}

const RefusedCase kRefusedCases[] = {
    {"UnclosedPhp", "<p>\n<?php echo 1;\n", "The server-side block on line 2 is not closed."},
    {"UnclosedAsp", "<% x", "The server-side block on line 1 is not closed."},
    {"BlockNamesATag", "<p>\n\n<<?= $tag ?>>x", "The server-side block on line 3 names a tag."},
    {"BlockNamesAnEndTag", "</<?= $tag ?>>", "The server-side block on line 1 names a tag."},
};

INSTANTIATE_TEST_SUITE_P(Cases, RefusedPages, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct RestoreCase {
  const char* name;
  std::string page;
  std::string tidied;    // what tidy made of the placeholders
  std::string expected;  // empty: refused
};

std::ostream& operator<<(std::ostream& os, const RestoreCase& c) { return os << c.name; }

class RestoreBlocks : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(RestoreBlocks, PutsBlocksBackOrRefuses) {
  const ProtectedPage page = protectServerBlocks(GetParam().page);
  if (GetParam().expected.empty()) {
    EXPECT_THROW(restoreServerBlocks(GetParam().tidied, page), Error);
  } else {
    EXPECT_EQ(restoreServerBlocks(GetParam().tidied, page), GetParam().expected);
  }
}

const RestoreCase kRestoreCases[] = {
    {"BareAttributeGetsItsEmptyValueDropped", "<input <?php echo 'x'; ?>>", "<input mklmsrv000000x=\"\">\n",
     "<input <?php echo 'x'; ?>>\n"},
    {"UpperCaseAttributeName", "<input <?php echo 'x'; ?>>", "<INPUT MKLMSRV000000X=\"\">",
     "<INPUT <?php echo 'x'; ?>>"},
    {"QuotesAddedAroundAnUnquotedValue", "<img src=<?= $s ?>>", "<img src=\"mklmsrv000000x\">",
     "<img src=\"<?= $s ?>\">"},
    {"MovedAndIndented", "<table><?php foreach ($r as $x) { ?><tr><td>a",
     "<table>\n  <?php mklmsrv000000x?>\n  <tr>\n    <td>a</td>\n  </tr>\n</table>\n",
     "<table>\n  <?php foreach ($r as $x) { ?>\n  <tr>\n    <td>a</td>\n  </tr>\n</table>\n"},
    {"Dropped", "<font color=\"<?= $c ?>\">x</font>", "<span>x</span>", ""},
    {"Repeated", "<p><?= $a ?></p>", "<p><?php mklmsrv000000x?><?php mklmsrv000000x?></p>", ""},
    {"Respaced", "<p><% a %></p>", "<p><% mklmsrv000000x %></p>", ""},
    {"Mangled", "<a href=\"<?= $u ?>\">", "<a href=\"mklmsrv00000\">", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, RestoreBlocks, ::testing::ValuesIn(kRestoreCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(BlocksInMessage, NameTheBlockInsteadOfItsPlaceholder) {
  const ProtectedPage page = protectServerBlocks("<input <?php echo 'x'; ?>><p title=\"<?= $t ?>\">");
  EXPECT_EQ(blocksInMessage("line 1 column 1 - Warning: <input> proprietary attribute \"MKLMSRV000000X\"", page),
            "line 1 column 1 - Warning: <input> proprietary attribute \"<?php echo 'x'; ?>\"");
  EXPECT_EQ(blocksInMessage("a mklmsrv000001x b mklmsrv000009x", page), "a <?= $t ?> b mklmsrv000009x");
}

struct PlanCase {
  const char* name;
  TidyCommand command;
  std::optional<TidyEncoding> chosen;
  TextEncoding document;
  std::vector<std::string> arguments;
  TidyRunPlan::Result result;
};

std::ostream& operator<<(std::ostream& os, const PlanCase& c) { return os << c.name; }

class RunPlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(RunPlan, TellsTidyTheDocumentsEncoding) {
  const PlanCase& c = GetParam();
  const TidyRunPlan plan = planTidyRun(c.command, c.chosen, c.document);
  std::vector<std::string> expected{"-config", "/x/c.qdf"};
  expected.insert(expected.end(), c.arguments.begin(), c.arguments.end());
  expected.push_back("/w/tidy.tmp");
  EXPECT_EQ(tidyArguments("/x/c.qdf", plan, "/w/tidy.tmp"), expected);
  EXPECT_EQ(plan.result, c.result);
}

using R = TidyRunPlan::Result;
const PlanCase kPlanCases[] = {
    {"FixedUtf8",
     TidyCommand::Format,
     std::nullopt,
     TextEncoding::Utf8,
     {"--input-encoding", "utf8", "--output-encoding", "utf8"},
     R::Utf8},
    {"FixedEightBit",
     TidyCommand::Xml,
     std::nullopt,
     TextEncoding::EightBit,
     {"--input-encoding", "win1252", "--output-encoding", "latin1"},
     R::Latin1},
    {"ChosenAscii",
     TidyCommand::FixAndFormat,
     TidyEncoding::Ascii,
     TextEncoding::EightBit,
     {"--input-encoding", "win1252"},
     R::Utf8},
    {"ChosenLatin1",
     TidyCommand::FixAndFormat,
     TidyEncoding::Latin1,
     TextEncoding::Utf8,
     {"--input-encoding", "utf8"},
     R::Latin1},
    {"ChosenRawPassesBytes", TidyCommand::FixAndFormat, TidyEncoding::Raw, TextEncoding::Utf8, {}, R::DocumentBytes},
    {"ChosenIso2202PassesBytes",
     TidyCommand::FixAndFormat,
     TidyEncoding::Iso2022,
     TextEncoding::EightBit,
     {},
     R::DocumentBytes},
    {"NoneChosenIsTidysUtf8",
     TidyCommand::FixAndFormat,
     std::nullopt,
     TextEncoding::Utf8,
     {"--input-encoding", "utf8"},
     R::Utf8},
};

INSTANTIATE_TEST_SUITE_P(Cases, RunPlan, ::testing::ValuesIn(kPlanCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(TidyResult, ComesBackThroughTheDocumentsCodecWithBlocksRestored) {
  const ProtectedPage page = protectServerBlocks("<p title=\"<?= $t ?>\">caf\xe9</p>");
  const TidyRunPlan plan = planTidyRun(TidyCommand::Format, std::nullopt, TextEncoding::EightBit);
  // Latin-1 from tidy: e-acute as one byte, the euro sign as tidy's reference.
  EXPECT_EQ(tidyResultToDocument("<p title=\"mklmsrv000000x\">caf\xe9 &euro;</p>\n", plan,
                                 TextCodec(TextEncoding::EightBit), page),
            "<p title=\"<?= $t ?>\">caf\xe9 &euro;</p>\n");
  // UTF-8 from tidy into an 8-bit document: what Windows-1252 lacks becomes a reference.
  const TidyRunPlan fix = planTidyRun(TidyCommand::FixAndFormat, TidyEncoding::Utf8, TextEncoding::EightBit);
  EXPECT_EQ(tidyResultToDocument("<p title=\"mklmsrv000000x\">caf\xc3\xa9 \xce\xb1</p>", fix,
                                 TextCodec(TextEncoding::EightBit), page),
            "<p title=\"<?= $t ?>\">caf\xe9 &#945;</p>");
}

}  // namespace
}  // namespace markloom
