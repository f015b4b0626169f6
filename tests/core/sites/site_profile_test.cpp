#include "core/sites/site_profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "core/common/error.h"

namespace markloom {
namespace {

TEST(SiteProfile, MissingKeysTakeTheirDefaultsAndEmptyValuesStayEmpty) {
  struct Case {
    const char* what;
    std::string text;
    SiteProfile expected;
  };
  const Case cases[] = {
      {"empty file", "", {"anonymous", kPlaceholderPassword, "ERROR", "21", "30000", "Other", "FTP"}},
      {"no PASS, HOST or TYPE",
       "[Project]\r\nUSER=web\r\nPORT=2121\r\nTIME=5000\r\n",
       {"web", kPlaceholderPassword, "ERROR", "2121", "5000", "Other", "FTP"}},
      {"empty values kept, keys in any case and order",
       "[project]\nhost=ftp.example.net\nPass=\nuser=\nTYPE=Unix\nPROTOCOL=SFTP\n",
       {"", "", "ftp.example.net", "21", "30000", "Unix", "SFTP"}},
      {"other sections ignored",
       "[Other]\nHOST=wrong\n[Project]\nHOST=right\n",
       {"anonymous", kPlaceholderPassword, "right", "21", "30000", "Other", "FTP"}},
  };
  for (const Case& c : cases) EXPECT_EQ(parseSiteProfile(c.text), c.expected) << c.what;
}

TEST(SiteProfile, WrittenInKeyOrderAndReadBack) {
  const SiteProfile profile{"web", "s3cret=x", "ftp.example.net", "21", "30000", "Unix", "FTPS"};
  EXPECT_EQ(formatSiteProfile(profile),
            "[Project]\r\nUSER=web\r\nPASS=s3cret=x\r\nHOST=ftp.example.net\r\nPORT=21\r\nTIME=30000\r\n"
            "TYPE=Unix\r\nPROTOCOL=FTPS\r\n");
  EXPECT_EQ(parseSiteProfile(formatSiteProfile(profile)), profile);
}

TEST(SiteProfile, FilesAreReadableByTheirOwnerOnly) {
  const auto folder = std::filesystem::temp_directory_path() / ("markloom-profile-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "site.ini").string();
  { std::ofstream(path) << "[Project]\n"; }
  ::chmod(path.c_str(), 0644);
  const SiteProfile profile{"u", "p", "h", "21", "30000", "Other", "FTP"};
  writeSiteProfile(path, profile);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(readSiteProfile(path), profile);
  EXPECT_THROW(readSiteProfile((folder / "missing.ini").string()), Error);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace markloom
