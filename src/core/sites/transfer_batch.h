#pragma once
// A batch of files and folders moving one way (download or upload): every
// entry under the selection, matched against what the target already holds,
// and the user's answer for the entries that would replace something.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/sites/publish_plan.h"

namespace markloom {

enum class OverwriteChoice { Overwrite, OverwriteIfNewer, Skip, Rename };

struct BatchItem {
  SiteEntry source;        // path relative to the folder the selection lies in
  std::string targetPath;  // where it goes, relative the same way (a renamed copy differs)
  bool exists = false;     // the target holds a file there
  std::int64_t targetModified = 0;
  bool skip = false;
};

struct TransferBatch {
  std::vector<BatchItem> items;  // folders before what they hold
  std::uint64_t bytes = 0;       // of the files to move
  // How many items would replace a file on the target.
  int conflicts() const;
  void recount();
};

// source: the selected entries and everything under them; target: what the
// target folder holds at the same relative paths.
TransferBatch matchBatch(const SiteTree& source, const SiteTree& target);

// The answer for one item that exists on the target. Rename picks the first
// free name of the form "name (2).ext" that taken() does not know.
void applyChoice(BatchItem& item, OverwriteChoice choice, const std::function<bool(const std::string&)>& taken);

// "a/page.html" with n = 2 gives "a/page (2).html".
std::string numberedName(const std::string& path, int n);

}  // namespace markloom
