// The kept FTPS certificates: one line per server, damaged lines left out,
// remembering replaces the server's line and keeps the others.
#include "core/sites/trusted_certificates.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace markloom {
namespace {

class TrustedCertificatesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("markloom-trust-" + std::to_string(::getpid()) + "-" +
                                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
    path = (folder / "trusted").string();
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  void write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::string read() const {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::filesystem::path folder;
  std::string path;
};

TEST_F(TrustedCertificatesTest, DamagedLinesAreLeftOut) {
  write(
      "a.example:21 AA:BB sha256//one=\n"
      "b.example:21 CC:DD\n"                      // no pin
      "c.example:21 EE:FF md5//x\n"               // not a SHA-256 pin
      "d.example:21 11:22 sha256//four= extra\n"  // a word too many
      "\n"
      "e.example:990 33:44 sha256//five=\r\n");
  const TrustedCertificates kept(path);
  struct Case {
    const char* host;
    int port;
    bool found;
  } cases[] = {{"a.example", 21, true},  {"b.example", 21, false}, {"c.example", 21, false},
               {"d.example", 21, false}, {"e.example", 990, true}, {"a.example", 990, false}};
  for (const auto& c : cases) EXPECT_EQ(kept.find(c.host, c.port).has_value(), c.found) << c.host << ":" << c.port;
  EXPECT_EQ(kept.find("a.example", 21)->pin, "sha256//one=");
  EXPECT_EQ(TrustedCertificates(path + ".missing").find("a.example", 21), std::nullopt);
}

TEST_F(TrustedCertificatesTest, RememberReplacesTheServersLineOnlyAndIsOwnerOnly) {
  write("a.example:21 AA:BB sha256//one=\nb.example:21 CC:DD sha256//two=\n");
  const TrustedCertificates kept(path);
  kept.remember("a.example", 21, {"EE:FF", "sha256//three="});
  EXPECT_EQ(read(), "b.example:21 CC:DD sha256//two=\na.example:21 EE:FF sha256//three=\n");
  EXPECT_EQ(kept.find("a.example", 21)->fingerprint, "EE:FF");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 077, 0u);
}

}  // namespace
}  // namespace markloom
