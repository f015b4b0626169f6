// The publish plan: what a run creates, sends and removes, from the two trees
// and the record of the last run.
#include "core/sites/publish_plan.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace markloom {
namespace {

std::vector<std::string> paths(const std::vector<SiteEntry>& entries) {
  std::vector<std::string> out;
  for (const SiteEntry& e : entries) out.push_back(e.path);
  return out;
}

SiteEntry file(const std::string& path, std::uint64_t size, std::int64_t modified) {
  return {path, false, size, modified};
}
SiteEntry folder(const std::string& path) { return {path, true, 0, 0}; }

TEST(PublishPlan, NewFoldersParentsFirstNewAndChangedFilesSentUnchangedLeft) {
  const SiteTree local = {folder("img"),           folder("img/icons"),        file("img/icons/a.png", 5, 100),
                          file("index.html", 10, 200), file("same.css", 4, 100), file("bigger.js", 9, 100),
                          file("newer.txt", 3, 500)};
  const SiteTree remote = {file("index.html", 10, 300),  // same size, server copy newer: unchanged
                           file("same.css", 4, 100), file("bigger.js", 8, 900), file("newer.txt", 3, 400)};
  const PublishPlan plan = planPublish(local, remote, {}, false);
  EXPECT_EQ(plan.folders, (std::vector<std::string>{"img", "img/icons"}));
  EXPECT_EQ(paths(plan.files), (std::vector<std::string>{"bigger.js", "img/icons/a.png", "newer.txt"}));
  EXPECT_EQ(plan.unchanged, (std::vector<std::string>{"index.html", "same.css"}));
  EXPECT_TRUE(plan.removals.empty()) << "nothing is removed without being asked";
}

TEST(PublishPlan, TheRecordStandsInForCoarseServerTimes) {
  // The server shows minutes only: its time reads older than the local file.
  const SiteTree local = {file("page.html", 10, 1000)};
  const SiteTree remote = {file("page.html", 12, 960)};  // ASCII mode changed the size too
  const PublishRecord sent = {{"page.html", {10, 1000, 12, 960}}};
  EXPECT_TRUE(planPublish(local, remote, sent, false).files.empty());
  // A local edit since the record is sent, and so is a change on the server.
  EXPECT_EQ(planPublish({file("page.html", 10, 1001)}, remote, sent, false).files.size(), 1u);
  EXPECT_EQ(planPublish(local, {file("page.html", 13, 960)}, sent, false).files.size(), 1u);
  EXPECT_EQ(planPublish(local, remote, {}, false).files.size(), 1u) << "without the record the sizes differ";
}

TEST(PublishPlan, RemovalsOnlyWhenAskedContentsBeforeTheirFolder) {
  const SiteTree local = {file("keep.html", 1, 1)};
  const SiteTree remote = {file("keep.html", 1, 1), folder("old"), folder("old/deep"), file("old/deep/x.gif", 1, 1),
                           file("old/y.html", 1, 1), file("gone.txt", 1, 1)};
  EXPECT_TRUE(planPublish(local, remote, {}, false).removals.empty());
  const PublishPlan plan = planPublish(local, remote, {}, true);
  EXPECT_EQ(paths(plan.removals),
            (std::vector<std::string>{"old/deep/x.gif", "old/deep", "old/y.html", "gone.txt", "old"}));
}

TEST(PublishPlan, AFileWhereAFolderIsIsAConflictUnlessRemovalIsAsked) {
  const SiteTree local = {file("news", 5, 1), folder("docs"), file("docs/a.html", 1, 1)};
  const SiteTree remote = {folder("news"), file("news/old.html", 1, 1), file("docs", 3, 1)};
  const PublishPlan kept = planPublish(local, remote, {}, false);
  EXPECT_EQ(kept.conflicts, (std::vector<std::string>{"news", "docs"}));
  EXPECT_TRUE(kept.files.empty()) << "nothing goes into a folder that cannot be made";
  EXPECT_TRUE(kept.folders.empty());
  const PublishPlan replaced = planPublish(local, remote, {}, true);
  EXPECT_TRUE(replaced.conflicts.empty());
  EXPECT_EQ(paths(replaced.removals), (std::vector<std::string>{"news/old.html", "docs", "news"}));
  EXPECT_EQ(replaced.folders, (std::vector<std::string>{"docs"}));
  EXPECT_EQ(paths(replaced.files), (std::vector<std::string>{"docs/a.html", "news"}));
}

TEST(PublishRecord, WrittenAndReadBackForItsOwnAddressOnly) {
  const PublishRecord record = {{"a b/c.html", {10, 1700000000, 11, 1700000060}}, {"x.png", {5, 1, 5, 2}}};
  const std::string text = formatPublishRecord(record, "ftp://web@127.0.0.1:21/www");
  EXPECT_EQ(parsePublishRecord(text, "ftp://web@127.0.0.1:21/www"), record);
  EXPECT_TRUE(parsePublishRecord(text, "ftp://web@127.0.0.1:21/other").empty());
  EXPECT_TRUE(parsePublishRecord("junk\n", "ftp://web@127.0.0.1:21/www").empty());
  // A damaged line is skipped; the rest still counts.
  const std::string damaged = text + "12 x 3 4 bad.html\n";
  EXPECT_EQ(parsePublishRecord(damaged, "ftp://web@127.0.0.1:21/www"), record);
}

TEST(ListingSeconds, ReadsTheTimeAsUtc) {
  EXPECT_EQ(listingSeconds({1970, 1, 1, 0, 0, 0}), 0);
  EXPECT_EQ(listingSeconds({2024, 2, 29, 12, 30, 15}), 1709209815);
}

}  // namespace
}  // namespace markloom
