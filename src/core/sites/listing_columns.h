#pragma once
// The texts of the Hostdeck panes' "Size" and "Last Modified" columns.
#include <cstdint>
#include <string>

#include "core/sites/remote_listing.h"

namespace markloom {

// Below 1024: "n bytes"; up to 1048575: n / 1024 with two decimals and "KB";
// from there: n / 1048576 with two decimals and "MB" (no blank before the unit).
// decimalPoint is the locale's separator.
std::string sizeText(std::uint64_t bytes, char decimalPoint = '.');
// "dd/mm/yyyy hh:mm:ss", 24-hour clock.
std::string timeText(const ListingTime& time);

}  // namespace markloom
