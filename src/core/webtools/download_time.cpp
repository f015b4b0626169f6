#include "core/webtools/download_time.h"

namespace markloom {

namespace {
constexpr std::uint64_t kKilobyte = 1024;

// Rounds numerator / denominator to a whole number, half away from zero.
std::uint64_t roundedQuotient(unsigned __int128 numerator, unsigned __int128 denominator) {
  return static_cast<std::uint64_t>((2 * numerator + denominator) / (2 * denominator));
}

std::string atLeastTwoDigits(std::uint64_t n) {
  std::string s = std::to_string(n);
  return s.size() < 2 ? "0" + s : s;
}
}  // namespace

const std::array<DownloadLine, 6>& downloadLines() {
  static const std::array<DownloadLine, 6> lines{{
      {" 9.6 k Modem", 11719},
      {" 14.4 k Modem", 17578},
      {" 28.8 k Modem", 35156},
      {" 56.6 k Modem", 68350},
      {" ISDN Modem", 78125},
      {" ISDN Modem x2", 166250},
  }};
  return lines;
}

DownloadTimes downloadTimes(std::uint64_t savedBytes) {
  DownloadTimes out;
  out.sizeFigure = atLeastTwoDigits(roundedQuotient(savedBytes, kKilobyte));
  for (std::size_t i = 0; i < downloadLines().size(); ++i) {
    // seconds = bytes / 1024 / (rate / 10000); in hundredths of a second:
    const unsigned __int128 numerator = static_cast<unsigned __int128>(savedBytes) * 10000u * 100u;
    const unsigned __int128 denominator =
        static_cast<unsigned __int128>(kKilobyte) * downloadLines()[i].rateTenThousandths;
    const std::uint64_t hundredths = roundedQuotient(numerator, denominator);
    std::string cents = std::to_string(hundredths % 100);
    if (cents.size() < 2) cents = "0" + cents;
    out.times[i] = std::to_string(hundredths / 100) + "." + cents + " Secs";
  }
  return out;
}

void SavedSizeCounter::feed(std::string_view piece) {
  for (const char c : piece) {
    if (c == '\n') {
      if (!afterCr_) ++endedLines_;  // an LF after a CR ends the same line
      afterCr_ = false;
      lineOpen_ = false;
    } else if (c == '\r') {
      ++endedLines_;
      afterCr_ = true;
      lineOpen_ = false;
    } else {
      ++contentBytes_;
      afterCr_ = false;
      lineOpen_ = true;
    }
  }
}

std::uint64_t SavedSizeCounter::finish() const {
  const std::uint64_t lines = endedLines_ + (lineOpen_ ? 1 : 0);
  return contentBytes_ + 2 * lines;
}

}  // namespace markloom
