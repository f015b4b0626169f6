#pragma once
// How long a page takes to download over six kinds of dial-up and ISDN line:
// its size as saved (every line followed by CR LF) in kilobytes of 1024
// bytes, divided by each line's fixed rate. All figures are computed exactly
// in whole numbers and rounded half away from zero, so they never depend on
// floating point or on the locale.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace markloom {

struct DownloadLine {
  const char* label;                 // as shown, with its leading blank
  std::uint32_t rateTenThousandths;  // kilobytes per second, times 10000
};
const std::array<DownloadLine, 6>& downloadLines();

struct DownloadTimes {
  std::string sizeFigure;            // kilobytes, "00" pattern
  std::array<std::string, 6> times;  // "8.53 Secs", in line order
};
DownloadTimes downloadTimes(std::uint64_t savedBytes);

// The size of text once written as lines each followed by CR LF (CR LF, a
// lone CR or a lone LF end a line; a last line without one counts too). Fed
// piece by piece, so a file of any size is measured without holding it.
class SavedSizeCounter {
 public:
  void feed(std::string_view piece);
  std::uint64_t finish() const;

 private:
  std::uint64_t contentBytes_ = 0;
  std::uint64_t endedLines_ = 0;
  bool lineOpen_ = false;  // bytes since the last line end
  bool afterCr_ = false;   // the last byte was a CR (an LF next belongs to it)
};

}  // namespace markloom
