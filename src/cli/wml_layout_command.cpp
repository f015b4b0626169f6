// markloom-cli wml-layout: hands over to markloom-wml-layout beside this
// program, which alone loads Qt's GUI libraries to measure text.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/command_table.h"

namespace {

std::string folderOfThisProgram() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  const std::string self(path, static_cast<std::size_t>(n));
  const auto slash = self.rfind('/');
  return slash == std::string::npos ? "." : self.substr(0, slash);
}

int wmlLayout(const std::vector<std::string>& args) {
  const std::string helper = folderOfThisProgram() + "/markloom-wml-layout";
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(helper.c_str()));
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::fflush(stdout);
  execv(helper.c_str(), argv.data());
  std::fprintf(stderr, "markloom-cli wml-layout: cannot run %s: %s\n", helper.c_str(), std::strerror(errno));
  return 2;
}

const markloom::cli::CommandRegistration registration{
    {"wml-layout", "wml-layout FILE [--dpi N]",
     "lay out the WML card in FILE as the WAP Viewer does; items as JSON lines", wmlLayout}};

}  // namespace
