// The fast compressor against the literal procedure on many generated pages
// and option sets (fixed seed, bounded count).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/compress/compress_oracle.h"
#include "core/compress/html_compress.h"

namespace markloom {
namespace {

std::string markupLike(std::mt19937& rng, bool withServerCode) {
  static const char* pieces[] = {"<",
                                 ">",
                                 "</",
                                 " ",
                                 "  ",
                                 "    ",
                                 "\r",
                                 "\n",
                                 "\r\n",
                                 "\"",
                                 "'",
                                 "=",
                                 "a",
                                 "x y",
                                 "<p>",
                                 "</p>",
                                 "<p align=center>",
                                 "<P ALIGN=\"CENTER\">",
                                 "<pre>",
                                 "</PRE>",
                                 "<textarea>",
                                 "</textarea>",
                                 "<script>",
                                 "</SCRIPT>",
                                 "<!--webbot bot=\"x\" -->",
                                 "<!--",
                                 "-->",
                                 "<!--WEBBOT",
                                 "value=\"",
                                 "ALT=\"",
                                 "value=\"a b\"",
                                 "<strong>",
                                 "</STRONG>",
                                 "<em>",
                                 "</em>",
                                 "<strike>",
                                 "</strike>",
                                 "<blockquote>",
                                 "</blockquote>",
                                 "> <t",
                                 "> </l",
                                 "> <p",
                                 "<td>",
                                 "<li>",
                                 "\t",
                                 "> ",
                                 " >",
                                 "<T",
                                 "</L",
                                 "<P>",
                                 "</p >",
                                 "<textarea >"};
  static const char* server[] = {"<?", "?>", "<%", "%>", "<?php echo \"a  b\"; ?>", "<% x %>"};
  std::uniform_int_distribution<int> count(0, 48);
  std::string s;
  for (int i = count(rng); i > 0; --i) {
    if (withServerCode && rng() % 8 == 0)
      s += server[rng() % std::size(server)];
    else
      s += pieces[rng() % std::size(pieces)];
  }
  return s;
}

CompressOptions randomOptions(std::mt19937& rng) {
  CompressOptions o;
  bool* flags[] = {&o.shortTags,       &o.center,        &o.quotesInTags, &o.spaces,
                   &o.extraLineBreaks, &o.allLineBreaks, &o.webBots,      &o.blockquoteToList};
  for (bool* f : flags) *f = rng() % 2 == 0;
  return o;
}

TEST(CompressDifferential, FastMatchesLiteralOnGeneratedPages) {
  std::mt19937 rng(91);
  for (int round = 0; round < 8000; ++round) {
    const std::string input = markupLike(rng, true);
    const CompressOptions o = randomOptions(rng);
    ASSERT_EQ(compressHtml(input, o), oracle::compress(input, o)) << "round " << round;
  }
}

TEST(CompressDifferential, ServerBlockProtectionChangesNothingWithoutServerCode) {
  std::mt19937 rng(17);
  for (int round = 0; round < 2000; ++round) {
    const std::string input = markupLike(rng, false);
    const CompressOptions o = randomOptions(rng);
    ASSERT_EQ(oracle::compress(input, o, true), oracle::compress(input, o, false)) << "round " << round;
  }
}

TEST(CompressDifferential, ServerBlockProtectionMattersWithServerCode) {
  const std::string input = "<?php echo \"a  b\"; ?>";
  EXPECT_NE(oracle::compress(input, CompressOptions::dialogMarks(), false), input);
  EXPECT_EQ(oracle::compress(input, CompressOptions::dialogMarks(), true), input);
}

}  // namespace
}  // namespace markloom
