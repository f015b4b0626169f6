// The document analysis (tokenize and check every tag, with the HTML 4 and the
// HTML5 rules) and the full tokenizer
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

// One screenful of a page written today: a DOCTYPE that selects the HTML5
// rules, aria and data attributes, self-closed void elements, a custom
// element, inline svg, a script with comparisons, and a few real faults.
const char* const kHtml5Block =
    "<header class=\"site-header\">\r\n"
    "  <nav role=\"navigation\" aria-label=\"Main\">\r\n"
    "    <a href=\"/\" aria-current=\"page\">Home</a> <a href='menu.html' data-track=\"menu\">Our menu</a>\r\n"
    "  </nav>\r\n"
    "</header>\r\n"
    "<main id=\"content\">\r\n"
    "  <h1 align=\"left\">Fresh every morning</h1>\r\n"
    "  <picture><source srcset=\"img/loaves.avif\" type=\"image/avif\">\r\n"
    "    <img src=\"img/loaves.jpg\" alt=\"Loaves\" width=\"320\" height=\"200\" loading=\"lazy\"/></picture>\r\n"
    "  <p class=\"intro\">Baked before 6 a.m.<br/>Prices from &pound;2.50 &amp; up.</p>\r\n"
    "  <my-order-widget product=\"rye\" qty=\"2\"></my-order-widget>\r\n"
    "  <form action=\"/order\" method=\"post\"><label for=\"mail\">E-mail</label>\r\n"
    "    <input type=\"email\" id=\"mail\" name=\"mail\" required placeholder=\"you@example.com\">\r\n"
    "    <button type=\"submit\" onclick=\"return check()\">Order</button></form>\r\n"
    "  <table class=\"prices\"><tr><th scope=\"col\">Loaf</th><td align=\"left\">Rye</td></tr></table>\r\n"
    "  <svg width=\"24\" height=\"24\" viewBox=\"0 0 24 24\"><path d=\"M0 0h24v24H0z\" fill=\"none\"/></svg>\r\n"
    "  <center><blink>Closed on holidays</blink></center>\r\n"
    "</main>\r\n"
    "<script>if (a < b && b > c) { document.title = \"odd\"; }</script>\r\n";

const std::string& html5Page(std::size_t megabytes) {
  static std::string pages[64];
  std::string& p = pages[megabytes];
  if (p.empty()) {
    p = "<!DOCTYPE html>\r\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>Bench</title></head><body>\r\n";
    while (p.size() < megabytes << 20) p += kHtml5Block;
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

// The same check on a page that selects the HTML5 rules.
void BM_ValidateHtml5Document(benchmark::State& state) {
  const std::string& text = html5Page(static_cast<std::size_t>(state.range(0)));
  std::size_t rows = 0;
  for (auto _ : state) {
    auto result = markloom::analyzeText(text);
    rows = result.size();
    benchmark::DoNotOptimize(result.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ValidateHtml5Document)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);

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
