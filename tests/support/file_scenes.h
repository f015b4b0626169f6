#pragma once
// Situations a file replacement must handle — links, FIFOs, sockets, read-only
// files, hard links, unwritable folders, long names, other owners — built in a
// scratch folder. One table, run against the file writer and against every
// program path that writes through it. Header only: the core's tests link the
// core alone.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace markloom::test {

inline constexpr const char* kOldBytes = "old content\r\n";

inline std::string sceneRead(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void sceneWrite(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

inline struct stat sceneStat(const std::filesystem::path& p, bool followLink = true) {
  struct stat st {};
  EXPECT_EQ(followLink ? ::stat(p.c_str(), &st) : ::lstat(p.c_str(), &st), 0) << p;
  return st;
}

// A prepared scene: the name to write (relative to the folder) and what must
// hold afterwards, given the bytes that were meant to be written.
struct PreparedScene {
  std::string name;
  std::function<void(const std::string& newBytes)> check;
};

struct FileScene {
  std::string name;
  // Empty when the write must succeed; otherwise what must follow
  // "Cannot create file <path>: ".
  std::string refusal;
  // The outcome holds for an ordinary user: root, unless the test judges write
  // access by permission bits, writes read-only files and renames in any folder.
  bool ordinaryUserOnly = false;
  std::function<PreparedScene(const std::filesystem::path& dir)> build;
};
inline std::ostream& operator<<(std::ostream& os, const FileScene& s) { return os << s.name; }

// The old content is still there, unchanged.
inline std::function<void(const std::string&)> keepsOld(const std::filesystem::path& p) {
  return [p](const std::string&) { EXPECT_EQ(sceneRead(p), kOldBytes); };
}

inline std::vector<FileScene> fileScenes() {
  namespace fs = std::filesystem;
  std::vector<FileScene> rows;
  rows.push_back({"NewFile", "", false, [](const fs::path& dir) {
                    return PreparedScene{"new.htm", [dir](const std::string& bytes) {
                                           EXPECT_EQ(sceneRead(dir / "new.htm"), bytes);
                                           const mode_t mask = ::umask(0);
                                           ::umask(mask);
                                           EXPECT_EQ(sceneStat(dir / "new.htm").st_mode & 07777, 0666u & ~mask);
                                         }};
                  }});
  rows.push_back({"SymbolicLink", "", false, [](const fs::path& dir) {
                    sceneWrite(dir / "real.htm", kOldBytes);
                    fs::create_symlink("real.htm", dir / "link.htm");
                    return PreparedScene{"link.htm", [dir](const std::string& bytes) {
                                           EXPECT_TRUE(fs::is_symlink(dir / "link.htm"));
                                           EXPECT_EQ(fs::read_symlink(dir / "link.htm"), "real.htm");
                                           EXPECT_EQ(sceneRead(dir / "real.htm"), bytes);
                                         }};
                  }});
  rows.push_back({"LinkToLinkInAnotherFolder", "", false, [](const fs::path& dir) {
                    fs::create_directory(dir / "pages");
                    sceneWrite(dir / "pages" / "real.htm", kOldBytes);
                    fs::create_symlink("real.htm", dir / "pages" / "inner.htm");
                    fs::create_symlink("pages/inner.htm", dir / "outer.htm");
                    return PreparedScene{"outer.htm", [dir](const std::string& bytes) {
                                           EXPECT_TRUE(fs::is_symlink(dir / "outer.htm"));
                                           EXPECT_TRUE(fs::is_symlink(dir / "pages" / "inner.htm"));
                                           EXPECT_EQ(sceneRead(dir / "pages" / "real.htm"), bytes);
                                         }};
                  }});
  rows.push_back({"DanglingSymbolicLink", "", false, [](const fs::path& dir) {
                    fs::create_symlink("made.htm", dir / "dangling.htm");
                    return PreparedScene{"dangling.htm", [dir](const std::string& bytes) {
                                           EXPECT_TRUE(fs::is_symlink(dir / "dangling.htm"));
                                           EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / "made.htm")));
                                           EXPECT_EQ(sceneRead(dir / "made.htm"), bytes);
                                         }};
                  }});
  rows.push_back({"Fifo", "not a regular file (a FIFO)", false, [](const fs::path& dir) {
                    EXPECT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
                    return PreparedScene{"pipe", [dir](const std::string&) {
                                           EXPECT_TRUE(fs::is_fifo(fs::symlink_status(dir / "pipe")));
                                         }};
                  }});
  rows.push_back({"LinkToFifo", "not a regular file (a FIFO)", false, [](const fs::path& dir) {
                    EXPECT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
                    fs::create_symlink("pipe", dir / "out.htm");
                    return PreparedScene{"out.htm", [dir](const std::string&) {
                                           EXPECT_TRUE(fs::is_symlink(dir / "out.htm"));
                                           EXPECT_TRUE(fs::is_fifo(fs::symlink_status(dir / "pipe")));
                                         }};
                  }});
  rows.push_back({"Socket", "not a regular file (a socket)", false, [](const fs::path& dir) {
                    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
                    sockaddr_un addr{};
                    addr.sun_family = AF_UNIX;
                    const std::string where = (dir / "sock").string();
                    EXPECT_LT(where.size(), sizeof addr.sun_path);
                    std::strncpy(addr.sun_path, where.c_str(), sizeof addr.sun_path - 1);
                    EXPECT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
                    ::close(s);
                    return PreparedScene{"sock", [dir](const std::string&) {
                                           EXPECT_TRUE(fs::is_socket(fs::symlink_status(dir / "sock")));
                                         }};
                  }});
  rows.push_back(
      {"Folder", "Is a directory", false, [](const fs::path& dir) {
         fs::create_directory(dir / "sub.htm");
         return PreparedScene{"sub.htm", [dir](const std::string&) { EXPECT_TRUE(fs::is_directory(dir / "sub.htm")); }};
       }});
  rows.push_back({"MissingFolder", "No such file or directory", false, [](const fs::path& dir) {
                    return PreparedScene{"missing/x.htm",
                                         [dir](const std::string&) { EXPECT_FALSE(fs::exists(dir / "missing")); }};
                  }});
  rows.push_back({"ReadOnlyFile", "Permission denied", true, [](const fs::path& dir) {
                    sceneWrite(dir / "ro.htm", kOldBytes);
                    fs::permissions(dir / "ro.htm", fs::perms(0444));
                    return PreparedScene{"ro.htm", [dir](const std::string&) {
                                           EXPECT_EQ(sceneRead(dir / "ro.htm"), kOldBytes);
                                           EXPECT_EQ(sceneStat(dir / "ro.htm").st_mode & 07777, 0444u);
                                         }};
                  }});
  rows.push_back({"HardLink", "", false, [](const fs::path& dir) {
                    sceneWrite(dir / "a.htm", kOldBytes);
                    fs::create_hard_link(dir / "a.htm", dir / "b.htm");
                    const ino_t inode = sceneStat(dir / "a.htm").st_ino;
                    return PreparedScene{"a.htm", [dir, inode](const std::string& bytes) {
                                           EXPECT_EQ(sceneRead(dir / "a.htm"), bytes);
                                           EXPECT_EQ(sceneRead(dir / "b.htm"), bytes);
                                           EXPECT_EQ(sceneStat(dir / "a.htm").st_ino, inode);
                                           EXPECT_EQ(sceneStat(dir / "a.htm").st_nlink, 2u);
                                         }};
                  }});
  rows.push_back({"WritableFileInUnwritableFolder", "", true, [](const fs::path& dir) {
                    fs::create_directory(dir / "locked");
                    sceneWrite(dir / "locked" / "page.htm", std::string(kOldBytes) + "and a longer tail\r\n");
                    const ino_t inode = sceneStat(dir / "locked" / "page.htm").st_ino;
                    fs::permissions(dir / "locked", fs::perms(0555));
                    return PreparedScene{
                        "locked/page.htm", [dir, inode](const std::string& bytes) {
                          const fs::path page = dir / "locked" / "page.htm";
                          EXPECT_EQ(sceneRead(page), bytes);  // shorter: the tail is gone
                          EXPECT_EQ(sceneStat(page).st_ino, inode);
                          EXPECT_EQ(std::distance(fs::directory_iterator(dir / "locked"), fs::directory_iterator()), 1);
                          fs::permissions(dir / "locked", fs::perms(0755));
                        }};
                  }});
  for (const std::size_t length : {std::size_t{250}, std::size_t{255}}) {
    rows.push_back({"NameOf" + std::to_string(length) + "Bytes", "", false, [length](const fs::path& dir) {
                      const std::string name = std::string(length - 4, 'n') + ".htm";
                      sceneWrite(dir / name, kOldBytes);
                      return PreparedScene{
                          name, [dir, name](const std::string& bytes) { EXPECT_EQ(sceneRead(dir / name), bytes); }};
                    }});
  }
  rows.push_back({"PermissionsOwnerAndGroupKept", "", false, [](const fs::path& dir) {
                    sceneWrite(dir / "owned.htm", kOldBytes);
                    // As root the file goes to another user; otherwise it stays ours.
                    uid_t uid = ::geteuid();
                    gid_t gid = ::getegid();
                    if (uid == 0 && ::chown((dir / "owned.htm").c_str(), 4242, 4343) == 0) {
                      uid = 4242;
                      gid = 4343;
                    }
                    fs::permissions(dir / "owned.htm", fs::perms(0751));
                    return PreparedScene{"owned.htm", [dir, uid, gid](const std::string& bytes) {
                                           EXPECT_EQ(sceneRead(dir / "owned.htm"), bytes);
                                           const struct stat st = sceneStat(dir / "owned.htm");
                                           EXPECT_EQ(st.st_mode & 07777, 0751u);
                                           EXPECT_EQ(st.st_uid, uid);
                                           EXPECT_EQ(st.st_gid, gid);
                                         }};
                  }});
  return rows;
}

// The rows the program's own writers (Save, compress -o) are driven through.
inline std::vector<FileScene> callerScenes() {
  std::vector<FileScene> rows;
  for (FileScene& s : fileScenes())
    for (const char* name : {"SymbolicLink", "DanglingSymbolicLink", "Fifo", "Socket", "ReadOnlyFile", "HardLink",
                             "WritableFileInUnwritableFolder", "NameOf255Bytes", "PermissionsOwnerAndGroupKept"})
      if (s.name == name) rows.push_back(std::move(s));
  return rows;
}

// Names of the writer's staging files left anywhere under dir.
inline std::vector<std::string> stagingLeftovers(const std::filesystem::path& dir) {
  std::vector<std::string> left;
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(dir, ec); !ec && it != std::filesystem::end(it);
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.find(".mk") != std::string::npos) left.push_back(name);
  }
  return left;
}

// As root, judge write access by permission bits, as for an ordinary user.
inline int writeAccessByBits(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno;
  return (st.st_mode & 0222) != 0 ? 0 : EACCES;
}

}  // namespace markloom::test
