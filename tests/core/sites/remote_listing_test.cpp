#include "core/sites/remote_listing.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

using Entries = std::vector<RemoteEntry>;

TEST(RemoteListing, UnixLines) {
  const std::string text =
      "total 24\r\n"
      "drwxr-xr-x    2 web      web          4096 Jan  2 03:04 images\r\n"
      "-rw-r--r--    1 web      web          1023 Dec 31  2023 index.html\r\n"
      "-rw-r--r--    1 web      web      5368709120 Mar 15 23:59 big file with  blanks.zip\r\n"
      "-rw-r--r--    1 1001         17 Jul  4  2020 no-group.txt\r\n"
      "lrwxrwxrwx    1 web      web            10 Feb 29  2024 current -> releases/7\r\n"
      "drwxr-xr-x    2 web      web          4096 Jan  2 03:04 .\r\n"
      "drwxr-xr-x    9 web      web          4096 Jan  2 03:04 ..\r\n"
      "-rw-r--r--    1 web      web             1 Jan  2 03:04 \r\n";
  EXPECT_EQ(parseListing(text, 2026),
            (Entries{{"images", true, 4096, {2026, 1, 2, 3, 4, 0}},
                     {"index.html", false, 1023, {2023, 12, 31, 0, 0, 0}},
                     {"big file with  blanks.zip", false, 5368709120u, {2026, 3, 15, 23, 59, 0}},
                     {"no-group.txt", false, 17, {2020, 7, 4, 0, 0, 0}},
                     {"current", false, 10, {2024, 2, 29, 0, 0, 0}}}));
}

TEST(RemoteListing, MlsdLines) {
  const std::string text =
      "type=cdir;modify=20240101000000; .\r\n"
      "type=pdir;modify=20240101000000; ..\r\n"
      "type=dir;modify=20240102030405;perm=flcdmpe; css\r\n"
      "Type=File;Size=2048;Modify=20231231235958.123;perm=adfrw;  lead blank.txt\r\n"
      "type=file;size=5;modify=20240102030405; a;b=c.txt\r\n"
      "size=5; untyped.txt\r\n";
  EXPECT_EQ(parseListing(text, 2026), (Entries{{"css", true, 0, {2024, 1, 2, 3, 4, 5}},
                                               {" lead blank.txt", false, 2048, {2023, 12, 31, 23, 59, 58}},
                                               {"a;b=c.txt", false, 5, {2024, 1, 2, 3, 4, 5}}}));
}

TEST(RemoteListing, DosLines) {
  const std::string text =
      "01-02-24  10:15AM       <DIR>          My Pages\r\n"
      "12-31-1999  12:05PM              1048576 y2k.htm\r\n"
      "07-04-20  12:30AM                    7 midnight.txt\r\n";
  EXPECT_EQ(parseListing(text, 2026), (Entries{{"My Pages", true, 0, {2024, 1, 2, 10, 15, 0}},
                                               {"y2k.htm", false, 1048576, {1999, 12, 31, 12, 5, 0}},
                                               {"midnight.txt", false, 7, {2020, 7, 4, 0, 30, 0}}}));
}

TEST(RemoteListing, NamesThatWouldLeaveTheFolderAndUnreadableLinesAreDropped) {
  const std::string text =
      "-rw-r--r--    1 web      web             1 Jan  2 03:04 ../../etc/passwd\r\n"
      "type=file;size=1; sub/name\r\n"
      "garbage line\r\n"
      "-rw-r--r-- 1 web web x Jan 2 03:04 bad-size\r\n"
      "-rw-r--r-- 1 web web 1 Foo 2 03:04 bad-month\r\n"
      "-rw-r--r-- 1 web web 1 Jan 2 25:04 bad-time\r\n"
      "\r\n";
  EXPECT_TRUE(parseListing(text, 2026).empty());
}

}  // namespace
}  // namespace markloom
