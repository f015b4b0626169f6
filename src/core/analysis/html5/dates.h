#pragma once
// Dates, times and durations as HTML attributes write them (ins and del
// datetime, the time element's datetime).
#include <string_view>

namespace markloom::html5 {

bool isDateString(std::string_view v);            // YYYY-MM-DD with a real day of that month
bool isDateWithOptionalTime(std::string_view v);  // a date, or a global date and time
bool isTimeElementValue(std::string_view v);      // anything a time element's datetime may hold

}  // namespace markloom::html5
