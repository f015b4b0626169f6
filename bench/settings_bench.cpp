// The settings snapshot load and the colour-to-text conversion, which run for
// every start and every document window.
#include <benchmark/benchmark.h>

#include <map>

#include "core/settings/color_text.h"
#include "core/settings/settings_schema.h"

namespace {

class FilledStore : public markloom::SettingsStore {
 public:
  FilledStore() { markloom::writeInstallationDefaults(*this); }
  bool openKey(const std::string&, bool) override { return true; }
  Read read(const std::string& key, const std::string& name) override {
    auto it = values_.find(key + '\\' + name);
    return it == values_.end() ? Read{} : Read{ReadStatus::Text, it->second};
  }
  void write(const std::string& key, const std::string& name, const std::string& text) override {
    values_[key + '\\' + name] = text;
  }

 private:
  std::map<std::string, std::string> values_;
};

void BM_LoadSnapshot(benchmark::State& state) {
  FilledStore store;
  for (auto _ : state) {
    markloom::SettingsSnapshot snapshot;
    markloom::loadSnapshot(store, snapshot, {});
    benchmark::DoNotOptimize(snapshot);
  }
}
BENCHMARK(BM_LoadSnapshot);

void BM_ColorRoundTrip(benchmark::State& state) {
  const char* texts[] = {"clWindow", "clNone", "$00FF8000", "clBtnFace", "12345", "clNavy"};
  for (auto _ : state) {
    for (const char* t : texts) {
      const auto c = markloom::textToColor(t);
      benchmark::DoNotOptimize(markloom::colorToText(*c));
    }
  }
}
BENCHMARK(BM_ColorRoundTrip);

}  // namespace
