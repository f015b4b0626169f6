#include "core/webtools/downloaded_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/common/error.h"
#include "core/findreplace/staged_file.h"
#include "core/text/file_writer.h"

namespace markloom {

void installDownloadedFile(int fd, std::int64_t size, const std::string& target) {
  checkReplaceable(target);
  struct stat st {};
  bool created = false;
  if (::stat(target.c_str(), &st) != 0) {
    if (errno != ENOENT) throw cannotCreateFile(target, std::strerror(errno));
    // A new file is made by the writer itself (with the permissions it gives
    // new files) and then filled like an existing one.
    writeFile(target, std::string());
    created = true;
    if (::stat(target.c_str(), &st) != 0) throw cannotCreateFile(target, std::strerror(errno));
  }
  std::error_code ec;
  const std::string resolved = std::filesystem::canonical(target, ec).string();
  try {
    if (ec) throw cannotCreateFile(target, ec.message());
    StagedFile staged(resolved, st);
    if (!staged.create()) throw cannotCreateFile(target, std::strerror(errno));
    staged.copyFrom(fd, size);
    staged.commit(false);
  } catch (const Error& e) {
    if (created) ::unlink(resolved.empty() ? target.c_str() : resolved.c_str());
    const std::string prefix = "Cannot create file " + target;
    if (std::string(e.what()).rfind(prefix, 0) == 0) throw;
    throw cannotCreateFile(target, e.what());
  }
}

}  // namespace markloom
