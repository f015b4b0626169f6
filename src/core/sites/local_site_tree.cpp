#include "core/sites/local_site_tree.h"

#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "core/common/error.h"

namespace markloom {

SiteTree scanLocalSite(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::recursive_directory_iterator walk(folder, fs::directory_options::none, error);
  if (error) throw Error("Cannot open folder " + folder + ": " + error.message());
  const fs::path top(folder);
  SiteTree tree;
  for (const fs::recursive_directory_iterator end; walk != end; walk.increment(error)) {
    if (error) throw Error("Cannot open folder " + folder + ": " + error.message());
    const fs::path& path = walk->path();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) continue;  // a dangling link
    const bool folderEntry = S_ISDIR(info.st_mode);
    if (!folderEntry && !S_ISREG(info.st_mode)) continue;
    if (folderEntry && walk->is_symlink(error)) {
      walk.disable_recursion_pending();
      continue;
    }
    SiteEntry entry;
    entry.path = path.lexically_relative(top).generic_string();
    entry.folder = folderEntry;
    entry.size = folderEntry ? 0 : static_cast<std::uint64_t>(info.st_size);
    entry.modified = static_cast<std::int64_t>(info.st_mtime);
    tree.push_back(std::move(entry));
  }
  return tree;
}

}  // namespace markloom
