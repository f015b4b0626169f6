#pragma once
// A private folder of work files for one markloom-cli run, in the temporary
// folder, named markloom-cli-<process id>-XXXXXX so that a later run can tell
// whether the run that made it is still alive. It is removed when the run
// ends, also when SIGINT, SIGTERM or SIGHUP end it (see interrupt_cleanup.h);
// what a SIGKILL leaves behind, the next run sweeps away.
#include <cstddef>
#include <string>

namespace markloom {

class CliWorkFolder {
 public:
  CliWorkFolder();  // creates it (mode 0700); path() is empty when that fails
  ~CliWorkFolder();
  CliWorkFolder(const CliWorkFolder&) = delete;
  CliWorkFolder& operator=(const CliWorkFolder&) = delete;

  // Without a trailing '/'.
  const std::string& path() const { return path_; }

  // Removes from tempFolder the work folders of runs that are gone: folders
  // (not links) of this user, named as above, whose process no longer
  // exists. Another user's folder and a live run's are left alone. Returns
  // how many were removed.
  static std::size_t sweepLeftovers(const std::string& tempFolder);

 private:
  std::string path_;
};

}  // namespace markloom
