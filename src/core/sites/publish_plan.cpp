#include "core/sites/publish_plan.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <sstream>
#include <unordered_map>

namespace markloom {

namespace {
constexpr std::string_view kRecordHeader = "markloom publish record 1";

std::size_t depth(const std::string& path) { return static_cast<std::size_t>(std::count(path.begin(), path.end(), '/')); }

bool unchanged(const SiteEntry& mine, const SiteEntry& theirs, const SentFile* sent) {
  if (sent && sent->localSize == mine.size && sent->localModified == mine.modified &&
      sent->remoteSize == theirs.size && sent->remoteModified == theirs.modified)
    return true;
  return theirs.size == mine.size && theirs.modified >= mine.modified;
}

// Whether path lies inside (or is) one of the folders.
bool under(const std::string& path, const std::vector<std::string>& folders) {
  return std::any_of(folders.begin(), folders.end(), [&](const std::string& folder) {
    return path == folder || (path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/');
  });
}

template <class T>
bool readNumber(std::string_view& rest, T& value) {
  const std::size_t blank = rest.find(' ');
  if (blank == std::string_view::npos) return false;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + blank, value);
  if (error != std::errc() || end != rest.data() + blank) return false;
  rest.remove_prefix(blank + 1);
  return true;
}
}  // namespace

PublishPlan planPublish(const SiteTree& local, const SiteTree& remote, const PublishRecord& record,
                        bool removeMissing) {
  std::unordered_map<std::string, const SiteEntry*> theirs;
  for (const SiteEntry& entry : remote) theirs.emplace(entry.path, &entry);
  std::unordered_map<std::string, const SiteEntry*> mine;
  for (const SiteEntry& entry : local) mine.emplace(entry.path, &entry);

  PublishPlan plan;
  std::vector<std::string> replaced;  // remote entries of the other kind, removed first
  for (const SiteEntry& entry : local) {
    const auto found = theirs.find(entry.path);
    const SiteEntry* other = found == theirs.end() ? nullptr : found->second;
    if (other && other->folder != entry.folder) {
      if (!removeMissing) {
        plan.conflicts.push_back(entry.path);
        continue;
      }
      replaced.push_back(entry.path);
      other = nullptr;
    }
    if (entry.folder) {
      if (!other) plan.folders.push_back(entry.path);
      continue;
    }
    const auto sent = record.find(entry.path);
    if (other && unchanged(entry, *other, sent == record.end() ? nullptr : &sent->second))
      plan.unchanged.push_back(entry.path);
    else
      plan.files.push_back(entry);
  }
  // Nothing is sent into a folder that could not be made.
  auto blocked = [&](const std::string& path) { return under(path, plan.conflicts); };
  std::erase_if(plan.folders, blocked);
  std::erase_if(plan.files, [&](const SiteEntry& e) { return blocked(e.path); });

  for (const SiteEntry& entry : remote) {
    const bool gone = removeMissing && !mine.contains(entry.path);
    if (gone || under(entry.path, replaced)) plan.removals.push_back(entry);
  }
  std::sort(plan.folders.begin(), plan.folders.end());
  std::sort(plan.files.begin(), plan.files.end(), [](const SiteEntry& a, const SiteEntry& b) { return a.path < b.path; });
  std::sort(plan.removals.begin(), plan.removals.end(), [](const SiteEntry& a, const SiteEntry& b) {
    const std::size_t da = depth(a.path), db = depth(b.path);
    return da != db ? da > db : a.path < b.path;
  });
  return plan;
}

std::int64_t listingSeconds(const ListingTime& time) {
  std::tm parts{};
  parts.tm_year = time.year - 1900;
  parts.tm_mon = time.month - 1;
  parts.tm_mday = time.day;
  parts.tm_hour = time.hour;
  parts.tm_min = time.minute;
  parts.tm_sec = time.second;
  return static_cast<std::int64_t>(timegm(&parts));
}

PublishRecord parsePublishRecord(const std::string& text, const std::string& address) {
  PublishRecord record;
  std::istringstream lines(text);
  std::string line;
  if (!std::getline(lines, line) || line != kRecordHeader) return record;
  if (!std::getline(lines, line) || line != address) return record;
  while (std::getline(lines, line)) {
    std::string_view rest = line;
    SentFile sent;
    if (!readNumber(rest, sent.localSize) || !readNumber(rest, sent.localModified) ||
        !readNumber(rest, sent.remoteSize) || !readNumber(rest, sent.remoteModified) || rest.empty())
      continue;
    record[std::string(rest)] = sent;
  }
  return record;
}

std::string formatPublishRecord(const PublishRecord& record, const std::string& address) {
  std::string out = std::string(kRecordHeader) + "\n" + address + "\n";
  for (const auto& [path, sent] : record) {
    if (path.find('\n') != std::string::npos) continue;  // cannot be read back
    out += std::to_string(sent.localSize) + " " + std::to_string(sent.localModified) + " " +
           std::to_string(sent.remoteSize) + " " + std::to_string(sent.remoteModified) + " " + path + "\n";
  }
  return out;
}

}  // namespace markloom
