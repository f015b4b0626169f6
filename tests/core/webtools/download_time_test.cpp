#include "core/webtools/download_time.h"

#include <gtest/gtest.h>

#include "core/text/line_list.h"

namespace markloom {
namespace {

std::uint64_t savedSize(std::string_view text) {
  SavedSizeCounter counter;
  counter.feed(text);
  return counter.finish();
}

TEST(DownloadTime, FiguresForKnownSizes) {
  struct Case {
    std::uint64_t bytes;
    const char* size;
    std::array<const char*, 6> times;
  };
  const Case cases[] = {
      {0, "00", {"0.00 Secs", "0.00 Secs", "0.00 Secs", "0.00 Secs", "0.00 Secs", "0.00 Secs"}},
      {1024, "01", {"0.85 Secs", "0.57 Secs", "0.28 Secs", "0.15 Secs", "0.13 Secs", "0.06 Secs"}},
      {10240, "10", {"8.53 Secs", "5.69 Secs", "2.84 Secs", "1.46 Secs", "1.28 Secs", "0.60 Secs"}},
      // 0.4 KB gives 00, 5.6 KB gives 06; 512 bytes is exactly half a kilobyte and rounds up.
      {410, "00", {"0.34 Secs", "0.23 Secs", "0.11 Secs", "0.06 Secs", "0.05 Secs", "0.02 Secs"}},
      {5734, "06", {"4.78 Secs", "3.19 Secs", "1.59 Secs", "0.82 Secs", "0.72 Secs", "0.34 Secs"}},
      {512, "01", {"0.43 Secs", "0.28 Secs", "0.14 Secs", "0.07 Secs", "0.06 Secs", "0.03 Secs"}},
      // ISDN x2 at 16.625 KB/s: 133 bytes is 0.0078125 s, exactly half a hundredth, away from zero.
      {133, "00", {"0.11 Secs", "0.07 Secs", "0.04 Secs", "0.02 Secs", "0.02 Secs", "0.01 Secs"}},
      {1ull << 40,
       "1073741824",
       {"916240143.36 Secs", "610844136.99 Secs", "305422068.49 Secs", "157094634.09 Secs", "137438953.47 Secs",
        "64585974.38 Secs"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    const DownloadTimes t = downloadTimes(c.bytes);
    EXPECT_EQ(t.sizeFigure, c.size);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(t.times[i], c.times[i]) << downloadLines()[i].label;
  }
}

TEST(DownloadTime, SavedSizeCountsEveryLineWithCrLf) {
  struct Case {
    std::string text;
    std::uint64_t size;
  };
  const Case cases[] = {
      {"", 0},           {std::string(1022, 'x'), 1024},
      {"a\r\nb\r\n", 6}, {"a\nb\n", 6},
      {"a\rb\r", 6},     {"a\nb", 6},
      {"\n", 2},         {"\r\n\r\n", 4},
      {"a\r\r\nb", 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(savedSize(c.text), c.size);
    // The same as writing the text's lines as a line list.
    EXPECT_EQ(savedSize(c.text), formatLineList(parseLineList(c.text)).size());
  }
  // Pieces split anywhere, even between a CR and its LF.
  SavedSizeCounter counter;
  for (const char* piece : {"a\r", "\nb", "\r", "", "\n"}) counter.feed(piece);
  EXPECT_EQ(counter.finish(), 6u);
}

}  // namespace
}  // namespace markloom
