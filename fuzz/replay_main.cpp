// Stand-in driver for builds without libFuzzer: feeds every file of the corpus
// folder given on the command line, then a fixed series of pseudo-random inputs
// (same seed every run), to LLVMFuzzerTestOneInput. A crash or an abort in the
// target fails the test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
void feed(const std::string& bytes) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

// Inputs biased towards markup so the targets see tags, quotes and line ends.
std::string generated(std::mt19937& rng) {
  static const char* pieces[] = {"<",     ">",  "</", "<!--",   "-->", "\"",  "'",    " ",    "=",  "\r\n",
                                 "\n",    "\r", "a",  "p",      "img", "src", "<?",   "?>",   "<%", "%>",
                                 "&amp;", "&#", ";",  "SCRIPT", "pre", "\t",  "\xe9", "\xff", "\0", "x"};
  std::uniform_int_distribution<int> count(0, 64);
  std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(pieces)) - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string s;
  for (int i = count(rng); i > 0; --i) {
    if (rng() % 5 == 0)
      s.push_back(static_cast<char>(byte(rng)));
    else
      s += pieces[pick(rng)];
  }
  return s;
}
}  // namespace

int main(int argc, char** argv) {
  std::size_t files = 0;
  if (argc > 1 && std::filesystem::is_directory(argv[1])) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[1])) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      feed(std::string(std::istreambuf_iterator<char>(in), {}));
      ++files;
    }
  }
  std::mt19937 rng(20261210);
  const int rounds = 3000;
  for (int i = 0; i < rounds; ++i) feed(generated(rng));
  std::printf("replayed %zu corpus files and %d generated inputs\n", files, rounds);
  return 0;
}
