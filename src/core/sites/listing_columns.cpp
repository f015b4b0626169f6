#include "core/sites/listing_columns.h"

#include <cstdio>

namespace markloom {

std::string sizeText(std::uint64_t bytes, char decimalPoint) {
  if (bytes < 1024) return std::to_string(bytes) + " bytes";
  const bool megabytes = bytes >= 1048576;
  const double value = static_cast<double>(bytes) / (megabytes ? 1048576.0 : 1024.0);
  char text[64];
  std::snprintf(text, sizeof text, "%2.2f%s", value, megabytes ? "MB" : "KB");
  std::string out(text);
  for (char& c : out)
    if (c == '.') c = decimalPoint;
  return out;
}

std::string timeText(const ListingTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", t.day, t.month, t.year, t.hour, t.minute, t.second);
  return text;
}

}  // namespace markloom
