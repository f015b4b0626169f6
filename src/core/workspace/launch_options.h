#pragma once
// The editor's command line: files to open and the options around them.
#include <optional>
#include <string>
#include <vector>

namespace markloom {

struct LaunchOptions {
  std::vector<std::string> files;
  std::optional<int> line;  // 1-based, for the last file
  bool newInstance = false;
  bool help = false;
  bool version = false;
  std::string error;  // set when the command line cannot be used; the rest is then unspecified
};

// args without the program name. "--" ends the options; "-" alone and any
// other word are file names.
LaunchOptions parseLaunchOptions(const std::vector<std::string>& args);

// args without the options the window system's toolkit takes for itself
// (-platform NAME, -style NAME, -display NAME, -reverse, ... with one dash or
// two, and "-name=value" forms), so the command line can be read before the
// toolkit starts. Words after "--" are kept as they are.
std::vector<std::string> withoutToolkitOptions(const std::vector<std::string>& args);

// The text --help prints.
std::string launchHelpText();

}  // namespace markloom
