// The compressor over a generated page of hand-written style HTML (indented
// CR LF lines, quoted attributes, tables, centred paragraphs, PRE and SCRIPT
// blocks, comments), with the options dialog's marks and with every switch on.
#include <benchmark/benchmark.h>

#include <string>

#include "core/compress/html_compress.h"

namespace {

std::string page(std::size_t bytes) {
  std::string s = "<html>\r\n<head>\r\n  <title>Sample</title>\r\n</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n";
  for (unsigned n = 0; s.size() < bytes; ++n) {
    const std::string k = std::to_string(n);
    s += "  <p align=\"center\"><STRONG>Section " + k + "</STRONG></p>\r\n\r\n";
    s += "  <table width=\"100%\" border=\"0\" cellpadding=\"2\">\r\n    <tr> <td class=\"cell\">Item   " + k +
         "</td> <td><a href=\"page" + k + ".htm\" title=\"Page " + k + "\">link</a></td> </tr>\r\n  </table>\r\n";
    s += "  <p>Some   text with <em>emphasis</em>,    spaces and a line\r\n  break in the middle.</p>\r\n";
    if (n % 4 == 0) s += "  <!--webbot bot=\"Timestamp\" -->\r\n  <img src=\"pic.gif\" alt=\"A picture\">\r\n";
    if (n % 8 == 0) s += "<pre>\r\n  keep   this\r\n\r\n</pre>\r\n";
    if (n % 16 == 0) s += "<script language=\"JavaScript\">\r\n  var a = \"x  y\";\r\n</script>\r\n";
    if (n % 5 == 0) s += "  <form><input type=\"text\" name=\"q\" value=\"search here\"></form>\r\n";
  }
  s += "</body>\r\n</html>\r\n";
  return s;
}

void run(benchmark::State& state, const markloom::CompressOptions& options) {
  const std::string input = page(static_cast<std::size_t>(state.range(0)));
  std::size_t out = 0;
  for (auto _ : state) {
    std::string result = markloom::compressHtml(input, options);
    out = result.size();
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
  state.counters["out_bytes"] = static_cast<double>(out);
}

void BM_CompressDialogMarks(benchmark::State& state) { run(state, markloom::CompressOptions::dialogMarks()); }
void BM_CompressEverySwitch(benchmark::State& state) {
  markloom::CompressOptions all;
  all.blockquoteToList = true;
  run(state, all);
}

BENCHMARK(BM_CompressDialogMarks)->Arg(100 << 10)->Arg(5 << 20)->Arg(50 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompressEverySwitch)->Arg(100 << 10)->Arg(5 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
