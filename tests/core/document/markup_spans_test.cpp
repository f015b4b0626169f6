// What the spell checker leaves out of a page: each row shows the page with
// the markup spans cut out, so a span that ends early or late shows as text
// kept or lost.
#include "core/document/markup_spans.h"

#include <gtest/gtest.h>

#include <string>

#include "core/document/spell_session.h"

namespace markloom {
namespace {

// text with every span replaced by "|".
std::string withoutMarkup(std::string_view text) {
  std::string out;
  std::size_t at = 0;
  for (const ByteSpan& span : markupSpans(text)) {
    EXPECT_LE(at, span.begin);
    EXPECT_LT(span.begin, span.end);
    out.append(text.substr(at, span.begin - at));
    out += '|';
    at = span.end;
  }
  return out.append(text.substr(at));
}

struct SpanCase {
  const char* name;
  const char* text;
  const char* kept;
};

class MarkupSpans : public ::testing::TestWithParam<SpanCase> {};

TEST_P(MarkupSpans, CutsOutExactlyTheMarkup) { EXPECT_EQ(withoutMarkup(GetParam().text), GetParam().kept); }

const SpanCase kSpanCases[] = {
    {"Tags", "<p class=\"intro\">Helo</p>", "|Helo|"},
    {"Doctype", "<!DOCTYPE html>\r\nText", "|\r\nText"},
    {"QuotedGreaterThan", "<a title=\"a > b\">link</a>", "|link|"},
    {"SingleQuotes", "<img alt='x>y' src=a.gif>after", "|after"},
    {"UnclosedQuoteEndsAtFirstGreaterThan", "<a title=\"oops>word</a>", "|word|"},
    {"Comment", "a<!-- <b> skipped > still -->b", "a|b"},
    {"ServerBlocks", "x<?php if ($a > 1) echo 'y'; ?>z<% if a > b %>w", "x|z|w"},
    {"ScriptContent", "<script>var teh = 1 > 0;</script>after", "|||after"},
    {"StyleContentAnyCase", "<STYLE type=\"text/css\">p { colr: red }</Style>x", "|||x"},
    {"ScriptLeftOpen", "<script>var a;", "||"},
    {"Entities", "caf&eacute; &amp; &#169; &#x41;", "caf| | | |"},
    {"AmpersandThatIsNoReference", "AT&T & co", "AT&T & co"},
    {"LessThanInProse", "a < b and c<3", "a < b and c<3"},
    {"ClosingTagAndBangTag", "</div>x<!x>", "|x|"},
    {"TagLeftOpen", "text <p class=", "text |"},
};

INSTANTIATE_TEST_SUITE_P(Pages, MarkupSpans, ::testing::ValuesIn(kSpanCases),
                         [](const auto& row) { return std::string(row.param.name); });

// The words the checker would look up, markup skipped or not.
TEST(SpellWords, SkipMarkupUnlessTheOptionAsksForIt) {
  const std::string_view page = "<!DOCTYPE html>\n<p class=\"intro\">Helo &nbsp; wrld</p>";
  auto words = [&](bool checkMarkup) {
    SpellOptions options;
    options.checkMarkup = checkMarkup;
    std::vector<std::string> out;
    for (const SpellWord& w : spellWords(page, options)) out.emplace_back(w.word);
    return out;
  };
  EXPECT_EQ(words(false), (std::vector<std::string>{"Helo", "wrld"}));
  EXPECT_EQ(words(true),
            (std::vector<std::string>{"DOCTYPE", "html", "p", "class", "intro", "Helo", "nbsp", "wrld", "p"}));
}

}  // namespace
}  // namespace markloom
