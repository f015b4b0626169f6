// The replace engine in memory over an 8 MB page, by option set: the cost of
// searching, folding and whole-word checks without any file input or output.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "core/findreplace/stream_replacer.h"

namespace {

using namespace markloom;

const std::string& page() {
  static const std::string text = [] {
    std::string s;
    int n = 0;
    while (s.size() < 8 * 1024 * 1024) {
      s += "<div class=\"";
      s += (++n % 50 == 0) ? "nav" : "item";
      s += "\"><a href=\"page.htm\">the quick brown fox jumps over the lazy dog</a></div>\r\n";
    }
    return s;
  }();
  return text;
}

class Input : public ReplaceInput {
 public:
  explicit Input(const std::string& s) : s_(s) {}
  std::size_t read(char* into, std::size_t max) override {
    const std::size_t n = std::min(max, s_.size() - at_);
    std::memcpy(into, s_.data() + at_, n);
    at_ += n;
    return n;
  }

 private:
  const std::string& s_;
  std::size_t at_ = 0;
};

class Sink : public ReplaceOutput {
 public:
  void write(const char*, std::size_t size) override { written += size; }
  std::size_t written = 0;
};

void BM_Replace(benchmark::State& state, bool ignoreCase, bool wholeWords) {
  ReplaceOptions o;
  o.find = "nav";
  o.replace = "menu";
  o.ignoreCase = ignoreCase;
  o.wholeWords = wholeWords;
  for (auto _ : state) {
    ReplaceCounters counters;
    Input in(page());
    Sink sink;
    StreamReplacer engine(o, counters);
    engine.run(in,
               [&](std::int64_t prefix) -> ReplaceOutput* {
                 sink.written += prefix;
                 return &sink;
               },
               {}, {});
    benchmark::DoNotOptimize(sink.written);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page().size()));
}

BENCHMARK_CAPTURE(BM_Replace, Exact, false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Replace, IgnoreCase, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Replace, WholeWords, false, true)->Unit(benchmark::kMillisecond);

}  // namespace
