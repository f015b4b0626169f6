// markloom-cli download-time: the Download Timer's figures for a file, as the
// editor would show them for that file's text.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/webtools/download_time.h"

namespace {

int downloadTime(const std::vector<std::string>& args) {
  if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-')) {
    std::fprintf(stderr, "usage: markloom-cli download-time FILE\n");
    return 2;
  }
  markloom::SavedSizeCounter counter;
  try {
    markloom::readFileInPieces(args[0], [&](std::string_view piece) { counter.feed(piece); });
  } catch (const markloom::Error& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  const markloom::DownloadTimes times = markloom::downloadTimes(counter.finish());
  std::printf("%s\n", times.sizeFigure.c_str());
  for (std::size_t i = 0; i < times.times.size(); ++i)
    std::printf("%s\t%s\n", markloom::downloadLines()[i].label, times.times[i].c_str());
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "Cannot write the figures to standard output\n");
    return 1;
  }
  return 0;
}

const markloom::cli::CommandRegistration registration{
    {"download-time", "download-time FILE",
     "how long FILE takes to download over six kinds of line, as the Download Timer shows it", downloadTime}};

}  // namespace
