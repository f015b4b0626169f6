#include "core/sites/remote_listing.h"

#include <array>
#include <charconv>

namespace markloom {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Splits off the next blank-separated word; false at the end of the line.
bool nextWord(std::string_view& rest, std::string_view& word) {
  std::size_t at = 0;
  while (at < rest.size() && isBlank(rest[at])) ++at;
  if (at == rest.size()) return false;
  std::size_t end = at;
  while (end < rest.size() && !isBlank(rest[end])) ++end;
  word = rest.substr(at, end - at);
  rest.remove_prefix(end);
  return true;
}

template <class T>
bool number(std::string_view text, T& value) {
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool acceptableName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

int monthNumber(std::string_view word) {
  static constexpr std::array<std::string_view, 12> kMonths{"jan", "feb", "mar", "apr", "may", "jun",
                                                            "jul", "aug", "sep", "oct", "nov", "dec"};
  if (word.size() != 3) return 0;
  for (std::size_t i = 0; i < kMonths.size(); ++i) {
    bool same = true;
    for (std::size_t k = 0; k < 3; ++k) same = same && (word[k] | 0x20) == kMonths[i][k];
    if (same) return static_cast<int>(i) + 1;
  }
  return 0;
}

// "HH:MM" into hour and minute.
bool clock(std::string_view text, int& hour, int& minute) {
  const std::size_t colon = text.find(':');
  return colon != std::string_view::npos && number(text.substr(0, colon), hour) &&
         number(text.substr(colon + 1), minute) && hour >= 0 && hour < 24 && minute >= 0 && minute < 60;
}

}  // namespace

bool parseMlsdLine(std::string_view line, RemoteEntry& entry) {
  const std::size_t space = line.find(' ');
  if (space == std::string_view::npos || space == 0 || line[space - 1] != ';') return false;
  std::string_view facts = line.substr(0, space);
  const std::string_view name = line.substr(space + 1);
  RemoteEntry found;
  bool typed = false;
  while (!facts.empty()) {
    const std::size_t semicolon = facts.find(';');
    const std::string_view fact = facts.substr(0, semicolon);
    facts.remove_prefix(semicolon == std::string_view::npos ? facts.size() : semicolon + 1);
    const std::size_t equals = fact.find('=');
    if (equals == std::string_view::npos) return false;
    std::string key(fact.substr(0, equals));
    for (char& c : key) c = static_cast<char>(c | 0x20);
    const std::string_view value = fact.substr(equals + 1);
    if (key == "type") {
      std::string type(value);
      for (char& c : type) c = static_cast<char>(c | 0x20);
      if (type == "cdir" || type == "pdir") return false;  // the folder itself and its parent
      found.folder = type == "dir";
      typed = true;
    } else if (key == "size" || key == "sizd") {
      number(value, found.size);
    } else if (key == "modify" && value.size() >= 14) {
      ListingTime& t = found.modified;
      number(value.substr(0, 4), t.year);
      number(value.substr(4, 2), t.month);
      number(value.substr(6, 2), t.day);
      number(value.substr(8, 2), t.hour);
      number(value.substr(10, 2), t.minute);
      number(value.substr(12, 2), t.second);
    }
  }
  if (!typed || !acceptableName(name)) return false;
  found.name = std::string(name);
  entry = std::move(found);
  return true;
}

bool parseUnixLine(std::string_view line, int currentYear, RemoteEntry& entry) {
  std::string_view rest = line;
  std::string_view mode;
  if (!nextWord(rest, mode) || mode.size() < 10) return false;
  const char kind = mode[0];
  if (std::string_view("-dlbcps").find(kind) == std::string_view::npos) return false;
  // Owner and group vary in number (some servers leave the group out): find
  // the size, month, day and time-or-year run, then the name after it.
  std::string_view words[8];
  std::size_t count = 0;
  std::string_view scan = rest;
  while (count < 8 && nextWord(scan, words[count])) {
    ++count;
    if (count >= 4) {
      const std::size_t m = count - 3;  // month candidate
      std::uint64_t size = 0;
      int day = 0;
      const int month = monthNumber(words[m]);
      if (month == 0 || !number(words[m - 1], size) || !number(words[m + 1], day) || day < 1 || day > 31) continue;
      ListingTime t{0, month, day, 0, 0, 0};
      const std::string_view yearOrTime = words[m + 2];
      if (yearOrTime.find(':') != std::string_view::npos) {
        if (!clock(yearOrTime, t.hour, t.minute)) return false;
        t.year = currentYear;
      } else if (!number(yearOrTime, t.year)) {
        return false;
      }
      // The name is everything after the single blank that follows the time.
      if (scan.empty() || !isBlank(scan.front())) return false;
      std::string_view name = scan.substr(1);
      if (kind == 'l') {
        const std::size_t arrow = name.find(" -> ");
        if (arrow != std::string_view::npos) name = name.substr(0, arrow);
      }
      if (!acceptableName(name)) return false;
      entry = RemoteEntry{std::string(name), kind == 'd', size, t};
      return true;
    }
  }
  return false;
}

bool parseDosLine(std::string_view line, RemoteEntry& entry) {
  std::string_view rest = line;
  std::string_view date, time, sizeOrDir;
  if (!nextWord(rest, date) || !nextWord(rest, time) || !nextWord(rest, sizeOrDir)) return false;
  ListingTime t;
  if (date.size() < 8 || date[2] != '-' || date[5] != '-' || !number(date.substr(0, 2), t.month) ||
      !number(date.substr(3, 2), t.day) || !number(date.substr(6), t.year))
    return false;
  if (t.year < 100) t.year += t.year < 70 ? 2000 : 1900;
  if (time.size() < 7) return false;
  const std::string_view half = time.substr(time.size() - 2);
  if (!clock(time.substr(0, time.size() - 2), t.hour, t.minute) || t.hour < 1 || t.hour > 12) return false;
  if ((half[0] | 0x20) == 'p' && t.hour != 12) t.hour += 12;
  if ((half[0] | 0x20) == 'a' && t.hour == 12) t.hour = 0;
  RemoteEntry found{std::string(), sizeOrDir == "<DIR>", 0, t};
  if (!found.folder && !number(sizeOrDir, found.size)) return false;
  std::size_t at = 0;
  while (at < rest.size() && isBlank(rest[at])) ++at;
  const std::string_view name = rest.substr(at);
  if (!acceptableName(name)) return false;
  found.name = std::string(name);
  entry = std::move(found);
  return true;
}

std::vector<RemoteEntry> parseListing(std::string_view text, int currentYear) {
  std::vector<RemoteEntry> entries;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    RemoteEntry entry;
    if (parseMlsdLine(line, entry) || parseUnixLine(line, currentYear, entry) || parseDosLine(line, entry))
      entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace markloom
