#include "core/analysis/html5/dates.h"

#include "core/analysis/html5/microsyntax.h"

namespace markloom::html5 {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// Reads exactly n digits at v[i]; their value in out.
bool digits(std::string_view v, std::size_t& i, std::size_t n, int& out) {
  if (i + n > v.size()) return false;
  out = 0;
  for (std::size_t k = 0; k < n; ++k) {
    if (!isDigit(v[i + k])) return false;
    out = out * 10 + (v[i + k] - '0');
  }
  i += n;
  return true;
}

// Four or more digits, above zero.
bool year(std::string_view v, std::size_t& i, int& out) {
  const std::size_t start = i;
  long value = 0;
  while (i < v.size() && isDigit(v[i])) {
    if (value < 1000000) value = value * 10 + (v[i] - '0');
    ++i;
  }
  out = static_cast<int>(value);
  return i - start >= 4 && value > 0;
}

int daysIn(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) return 29;
  return kDays[m - 1];
}

bool month(std::string_view v, std::size_t& i, int& y, int& m) {
  return year(v, i, y) && skipChar(v, i, '-') && digits(v, i, 2, m) && m >= 1 && m <= 12;
}

bool date(std::string_view v, std::size_t& i) {
  int y = 0, m = 0, d = 0;
  return month(v, i, y, m) && skipChar(v, i, '-') && digits(v, i, 2, d) && d >= 1 && d <= daysIn(y, m);
}

// HH:MM, then :SS and up to three decimals.
bool time(std::string_view v, std::size_t& i) {
  int h = 0, mi = 0, s = 0;
  if (!digits(v, i, 2, h) || h > 23 || !skipChar(v, i, ':') || !digits(v, i, 2, mi) || mi > 59) return false;
  if (!skipChar(v, i, ':')) return true;
  if (!digits(v, i, 2, s) || s > 59) return false;
  if (!skipChar(v, i, '.')) return true;
  const std::size_t start = i;
  while (i < v.size() && isDigit(v[i])) ++i;
  return i > start && i - start <= 3;
}

bool timezone(std::string_view v, std::size_t& i) {
  if (skipChar(v, i, 'Z')) return true;
  if (!skipChar(v, i, '+') && !skipChar(v, i, '-')) return false;
  int h = 0, m = 0;
  if (!digits(v, i, 2, h) || h > 23) return false;
  skipChar(v, i, ':');
  return digits(v, i, 2, m) && m <= 59;
}

bool whole(std::string_view v, bool (*f)(std::string_view, std::size_t&)) {
  std::size_t i = 0;
  return f(v, i) && i == v.size();
}

bool localDateTime(std::string_view v, std::size_t& i) {
  return date(v, i) && (skipChar(v, i, 'T') || skipChar(v, i, ' ')) && time(v, i);
}

bool globalDateTime(std::string_view v, std::size_t& i) { return localDateTime(v, i) && timezone(v, i); }

// P[nD][T[nH][nM][n[.n]S]] with at least one part.
bool isoDuration(std::string_view v) {
  std::size_t i = 0;
  if (!skipChar(v, i, 'P')) return false;
  bool any = false;
  auto number = [&](bool fraction) {
    const std::size_t start = i;
    while (i < v.size() && isDigit(v[i])) ++i;
    if (fraction && skipChar(v, i, '.')) {
      const std::size_t f = i;
      while (i < v.size() && isDigit(v[i])) ++i;
      if (i == f) return false;
    }
    return i > start;
  };
  std::size_t save = i;
  if (number(false) && skipChar(v, i, 'D'))
    any = true;
  else
    i = save;
  if (skipChar(v, i, 'T')) {
    bool timePart = false;
    for (char unit : {'H', 'M'}) {
      save = i;
      if (number(false) && skipChar(v, i, unit))
        timePart = true;
      else
        i = save;
    }
    save = i;
    if (number(true) && skipChar(v, i, 'S'))
      timePart = true;
    else
      i = save;
    if (!timePart) return false;
    any = true;
  }
  return any && i == v.size();
}

// "4h 18m 3s": numbers each followed by w, d, h, m or s, blanks allowed.
bool componentDuration(std::string_view v) {
  std::size_t i = 0;
  bool any = false;
  while (i < v.size()) {
    while (i < v.size() && isHtmlSpace(v[i])) ++i;
    if (i == v.size()) break;
    const std::size_t start = i;
    while (i < v.size() && isDigit(v[i])) ++i;
    bool fraction = false;
    if (skipChar(v, i, '.')) {
      fraction = true;
      const std::size_t f = i;
      while (i < v.size() && isDigit(v[i])) ++i;
      if (i == f) return false;
    }
    if (i == start) return false;
    while (i < v.size() && isHtmlSpace(v[i])) ++i;
    if (i == v.size()) return false;
    const char unit = lower(v[i++]);
    if (unit != 'w' && unit != 'd' && unit != 'h' && unit != 'm' && unit != 's') return false;
    if (fraction && unit != 's') return false;
    any = true;
  }
  return any;
}

}  // namespace

bool isDateString(std::string_view v) { return whole(v, date); }

bool isDateWithOptionalTime(std::string_view v) { return whole(v, date) || whole(v, globalDateTime); }

bool isTimeElementValue(std::string_view v) {
  auto monthOnly = [](std::string_view s, std::size_t& i) {
    int y = 0, m = 0;
    return month(s, i, y, m);
  };
  auto yearless = [](std::string_view s, std::size_t& i) {
    int m = 0, d = 0;
    skipChar(s, i, '-') && skipChar(s, i, '-');
    return digits(s, i, 2, m) && m >= 1 && m <= 12 && skipChar(s, i, '-') && digits(s, i, 2, d) && d >= 1 &&
           d <= daysIn(2000, m);
  };
  auto yearOnly = [](std::string_view s, std::size_t& i) {
    int y = 0;
    return year(s, i, y);
  };
  auto week = [](std::string_view s, std::size_t& i) {
    int y = 0, w = 0;
    return year(s, i, y) && skipChar(s, i, '-') && skipChar(s, i, 'W') && digits(s, i, 2, w) && w >= 1 && w <= 53;
  };
  auto zone = [](std::string_view s, std::size_t& i) { return timezone(s, i); };
  return whole(v, monthOnly) || whole(v, date) || whole(v, yearless) || whole(v, time) || whole(v, localDateTime) ||
         whole(v, globalDateTime) || whole(v, week) || whole(v, yearOnly) || whole(v, zone) || isoDuration(v) ||
         componentDuration(v);
}

}  // namespace markloom::html5
