#pragma once
// What publishing a local folder to a site does, worked out before anything
// moves: the folders to create, the files to send and, when asked, the remote
// files and folders to remove. The plan compares the two trees by size and
// modification time, and trusts the record of what an earlier run sent where
// the server's times are too coarse to compare (minutes, or dates only).
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/sites/remote_listing.h"

namespace markloom {

// One entry of a site tree; path relative to the tree's top, "/"-separated.
struct SiteEntry {
  std::string path;
  bool folder = false;
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // seconds since the epoch, UTC
};
using SiteTree = std::vector<SiteEntry>;

// What a run sent, as both sides looked afterwards.
struct SentFile {
  std::uint64_t localSize = 0;
  std::int64_t localModified = 0;
  std::uint64_t remoteSize = 0;
  std::int64_t remoteModified = 0;
  bool operator==(const SentFile&) const = default;
};
using PublishRecord = std::map<std::string, SentFile>;

struct PublishPlan {
  std::vector<std::string> folders;    // to create, parents first
  std::vector<SiteEntry> files;        // to send (the local entries)
  std::vector<SiteEntry> removals;     // remote entries to remove, contents before their folder
  std::vector<std::string> conflicts;  // a file on one side, a folder on the other, left alone
  std::vector<std::string> unchanged;  // local files the site already holds
};

// With removeMissing, remote entries with no local counterpart are removed,
// and so is a remote entry of the other kind where a local one must go (a
// conflict otherwise).
PublishPlan planPublish(const SiteTree& local, const SiteTree& remote, const PublishRecord& record,
                        bool removeMissing);

// A listing's time read as UTC, in seconds since the epoch.
std::int64_t listingSeconds(const ListingTime& time);

// The record file: a header line, the site's address, then one line per file
// ("localSize localModified remoteSize remoteModified path"). Lines that do not
// read are skipped; a record for another address reads as empty.
PublishRecord parsePublishRecord(const std::string& text, const std::string& address);
std::string formatPublishRecord(const PublishRecord& record, const std::string& address);

}  // namespace markloom
