#pragma once
// Folder listings as FTP and SFTP servers send them, read into entries. The
// reader takes what a server sends: Unix "ls -l" lines, MLSD facts lines and
// DOS-style lines; a line it cannot read is skipped, never an error. The
// entries "." and ".." are never returned, and names keep their blanks.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace markloom {

// A time as the server gives it, with no time-zone conversion.
struct ListingTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  bool operator==(const ListingTime&) const = default;
};

struct RemoteEntry {
  std::string name;
  bool folder = false;
  std::uint64_t size = 0;
  ListingTime modified;
  bool operator==(const RemoteEntry&) const = default;
};

// currentYear is the year of Unix lines that show a time of day instead of a
// year. Names holding "/" are dropped too: a download must never leave the
// folder it was asked into.
std::vector<RemoteEntry> parseListing(std::string_view text, int currentYear);
// One MLSD line ("type=file;size=12;modify=20240102030405; name").
bool parseMlsdLine(std::string_view line, RemoteEntry& entry);
// One "ls -l" style line.
bool parseUnixLine(std::string_view line, int currentYear, RemoteEntry& entry);
// One DOS-style line ("01-02-24  10:15AM  <DIR>  name").
bool parseDosLine(std::string_view line, RemoteEntry& entry);

}  // namespace markloom
