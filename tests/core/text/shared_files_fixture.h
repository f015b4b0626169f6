#pragma once
// Files shared with other people: the two writers every case runs through (the
// writer and the multi-file replace, which streams its own sibling), readers of
// a file's attributes and access list, and a scratch folder with its own journal.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "core/common/error.h"
#include "core/findreplace/replace_pass.h"
#include "core/text/file_writer.h"
#include "core/text/write_journal.h"
#include "support/file_scenes.h"
#include "support/scratch_folder.h"

namespace markloom::test {

namespace fs = std::filesystem;

// The two writers; each turns "cat" into "dog" in path and returns the error
// it reported ("" when none).
struct Writer {
  const char* name;
  std::function<std::string(const std::string& path)> write;
};

inline std::vector<Writer> writers() {
  return {
      {"writeFile",
       [](const std::string& path) {
         try {
           writeFile(path, "dog\n");
         } catch (const Error& e) {
           return std::string(e.what());
         }
         return std::string();
       }},
      {"replace",
       [](const std::string& path) {
         std::string warned;
         ReplaceOptions options;
         options.find = "cat";
         options.replace = "dog";
         PassCallbacks callbacks;
         callbacks.warn = [&](const std::string& w) { warned = w; };
         ReplacePass(options, callbacks).run({path});
         return warned;
       }},
  };
}

inline std::string attribute(const std::string& path, const char* name) {
  char value[256];
  const ssize_t got = ::getxattr(path.c_str(), name, value, sizeof value);
  return got < 0 ? "<none>" : std::string(value, static_cast<std::size_t>(got));
}

// The access list as getfacl prints it, without the comment lines.
inline std::string accessList(const std::string& path) {
  std::string out;
  if (FILE* p = ::popen(("getfacl -cp '" + path + "' 2>/dev/null").c_str(), "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, p)) out += line;
    ::pclose(p);
  }
  return out;
}

inline bool haveSetfacl() { return std::system("command -v setfacl >/dev/null 2>&1") == 0; }

inline int run(const std::string& command) { return std::system(command.c_str()); }

class SharedFiles : public ::testing::Test {
 protected:
  SharedFiles() {
    journal::setFolderSource([this] { return folder.file("journal"); });
  }
  ~SharedFiles() override { journal::setFolderSource({}); }
  ScratchFolder folder{"shared"};
};

}  // namespace markloom::test
