// The document analysis (tokenize and check every tag) and the full tokenizer
// on generated pages of realistic markup, at two sizes to show the time grows
// linearly with the page.
#include <benchmark/benchmark.h>

#include <string>

#include "core/analysis/document_analysis.h"
#include "core/analysis/tag_tokenizer.h"

namespace {

// One screenful of an ordinary page: tables, links, images, entities,
// attributes inside and outside the rules, a script with comparisons.
const char* const kBlock =
    "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"4\" bgcolor=\"#EEDDBB\">\r\n"
    "  <tr>\r\n"
    "    <td align=\"center\" bgcolor=\"#CCAA77\"><a href=\"index.html\" "
    "onMouseOver=\"swap('n1','on.gif')\">Home</a></td>\r\n"
    "    <td align=center nowrap><a href=\"menu.html\" target=_top>Our&nbsp;Menu</a></td>\r\n"
    "  </tr>\r\n"
    "</table>\r\n"
    "<h1 align=\"left\">Fresh every morning</h1>\r\n"
    "<p align=\"justify\" class=\"intro\">Our sourdough is baked before 6 a.m. &#150; come early,\r\n"
    "the first loaves are gone by eight.   Prices from &pound;2.50 &amp; up.\r\n"
    "We also bake <b>gluten-free</b> rolls on request (ask &quot;Marta&quot;).</p>\r\n"
    "<img src=\"images/loaves.jpg\" width=\"320\" height=\"200\" alt=\"Loaves on the counter\" border=0>\r\n"
    "<ul type=\"square\">\r\n"
    "  <li>Rye &amp; caraway\r\n"
    "  <li value=\"2\">Brioche\r\n"
    "</ul>\r\n"
    "<center><font face=\"Georgia, Times\" size=\"5\" color=\"#663300\">Harbour Street</font></center>\r\n"
    "<script language=\"JavaScript\">\r\n"
    "  if (a < b && b > c) { window.status = \"odd\"; }\r\n"
    "</script>\r\n"
    "<form action=\"/cgi-bin/order.pl\" method=\"post\" name=\"order\">\r\n"
    "  <input type=\"text\" name=\"qty\" size=\"3\" maxlength=\"3\">\r\n"
    "  <select name=\"item\"><option value=\"rye\" selected>Rye<option value=\"b\">Brioche</select>\r\n"
    "</form>\r\n"
    "<p><u>Closed</u> on public holidays. <strike>Free delivery</strike></p>\r\n";

const std::string& page(std::size_t megabytes) {
  static std::string pages[64];
  std::string& p = pages[megabytes];
  if (p.empty()) {
    p = "<html><head><title>Bench</title></head><body bgcolor=white>\r\n";
    while (p.size() < megabytes << 20) p += kBlock;
    p += "</body></html>\r\n";
  }
  return p;
}

void BM_ValidateDocument(benchmark::State& state) {
  const std::string& text = page(static_cast<std::size_t>(state.range(0)));
  std::size_t rows = 0;
  for (auto _ : state) {
    auto result = markloom::analyzeText(text);
    rows = result.size();
    benchmark::DoNotOptimize(result.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ValidateDocument)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);

// Every token built in full: names, attributes, normalised and decoded text.
void BM_TokenizeDocument(benchmark::State& state) {
  const std::string& text = page(static_cast<std::size_t>(state.range(0)));
  std::size_t tokens = 0;
  for (auto _ : state) {
    auto result = markloom::tokenizeBytes(text);
    tokens = result.size();
    benchmark::DoNotOptimize(result.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["tokens"] = static_cast<double>(tokens);
}
BENCHMARK(BM_TokenizeDocument)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace
