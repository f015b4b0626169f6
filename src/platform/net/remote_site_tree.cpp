#include "platform/net/remote_site_tree.h"

#include "core/common/error.h"
#include "core/sites/remote_path.h"

namespace markloom {

SiteTree listRemoteSite(TransferClient& client, const std::string& top, bool& exists) {
  SiteTree tree;
  std::vector<std::string> pending{std::string()};
  exists = true;
  while (!pending.empty()) {
    const std::string folder = pending.back();
    pending.pop_back();
    std::vector<RemoteEntry> entries;
    try {
      entries = client.listAt(folder.empty() ? top : joinRemotePath(top, folder));
    } catch (const Error& e) {
      if (!folder.empty() || std::string(e.what()).rfind("Couldn't change to directory", 0) != 0) throw;
      exists = false;
      return {};
    }
    for (const RemoteEntry& entry : entries) {
      SiteEntry item{folder.empty() ? entry.name : folder + "/" + entry.name, entry.folder, entry.size,
                     listingSeconds(entry.modified)};
      if (item.folder) pending.push_back(item.path);
      tree.push_back(std::move(item));
    }
  }
  return tree;
}

}  // namespace markloom
