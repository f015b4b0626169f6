#include "core/sites/transfer_batch.h"

#include <algorithm>
#include <unordered_map>

namespace markloom {

int TransferBatch::conflicts() const {
  return static_cast<int>(std::count_if(items.begin(), items.end(), [](const BatchItem& item) {
    return item.exists && !item.skip && !item.source.folder && item.targetPath == item.source.path;
  }));
}

void TransferBatch::recount() {
  bytes = 0;
  for (const BatchItem& item : items)
    if (!item.skip && !item.source.folder) bytes += item.source.size;
}

TransferBatch matchBatch(const SiteTree& source, const SiteTree& target) {
  std::unordered_map<std::string, const SiteEntry*> there;
  for (const SiteEntry& entry : target) there.emplace(entry.path, &entry);
  TransferBatch batch;
  for (const SiteEntry& entry : source) {
    BatchItem item{entry, entry.path};
    if (const auto found = there.find(entry.path); found != there.end()) {
      // A folder already there is used as it is; a file there is a question.
      item.exists = true;
      item.targetModified = found->second->modified;
      if (entry.folder && found->second->folder) item.exists = true;
    }
    batch.items.push_back(std::move(item));
  }
  std::sort(batch.items.begin(), batch.items.end(),
            [](const BatchItem& a, const BatchItem& b) { return a.source.path < b.source.path; });
  batch.recount();
  return batch;
}

std::string numberedName(const std::string& path, int n) {
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot <= nameStart) dot = path.size();
  return path.substr(0, dot) + " (" + std::to_string(n) + ")" + path.substr(dot);
}

void applyChoice(BatchItem& item, OverwriteChoice choice, const std::function<bool(const std::string&)>& taken) {
  if (!item.exists || item.source.folder) return;
  switch (choice) {
    case OverwriteChoice::Overwrite: break;
    case OverwriteChoice::OverwriteIfNewer: item.skip = item.source.modified <= item.targetModified; break;
    case OverwriteChoice::Skip: item.skip = true; break;
    case OverwriteChoice::Rename:
      for (int n = 2; n < 10000; ++n) {
        const std::string candidate = numberedName(item.source.path, n);
        if (!taken(candidate)) {
          item.targetPath = candidate;
          break;
        }
      }
      break;
  }
}

}  // namespace markloom
