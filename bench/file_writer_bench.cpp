// The writer's extra work: sweeping a folder of 10,000 files for the staging
// files of killed runs, and an in-place write (journaled: the new content is
// written and synced twice) against a replacement through a sibling.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/text/file_writer.h"
#include "core/text/staging_files.h"
#include "core/text/write_journal.h"

namespace {

namespace fs = std::filesystem;
using namespace markloom;

fs::path scratch(const char* purpose) {
  const fs::path dir =
      fs::temp_directory_path() / ("markloom-bench-" + std::string(purpose) + "-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

void BM_SweepFolderOf10000Files(benchmark::State& state) {
  const fs::path dir = scratch("sweep");
  for (int i = 0; i < 10000; ++i) std::ofstream(dir / ("page" + std::to_string(i) + ".htm")) << "x";
  for (auto _ : state) benchmark::DoNotOptimize(staging::removeLeftovers(dir.string()));
  fs::remove_all(dir);
}
BENCHMARK(BM_SweepFolderOf10000Files)->Unit(benchmark::kMillisecond);

// 0: a plain file (through a sibling); 1: a file with a second hard link (in place, journaled).
void BM_Write4MBPage(benchmark::State& state) {
  const fs::path dir = scratch("write");
  journal::setFolderSource([dir] { return (dir / "journal").string(); });
  const std::string page = (dir / "page.htm").string();
  const std::string bytes(4 << 20, 'x');
  writeFile(page, bytes);
  if (state.range(0) == 1) fs::create_hard_link(page, dir / "other.htm");
  for (auto _ : state) writeFile(page, bytes);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
  journal::setFolderSource({});
  fs::remove_all(dir);
}
BENCHMARK(BM_Write4MBPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
