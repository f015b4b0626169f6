#include "core/workspace/favorites.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace markloom {
namespace {

namespace fs = std::filesystem;

class Favorites : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("markloom-favorites-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root);
  }
  void TearDown() override { fs::remove_all(root); }
  void write(const std::string& relative, const std::string& text) {
    fs::create_directories((root / relative).parent_path());
    std::ofstream(root / relative, std::ios::binary) << text;
  }
  static std::string url(const std::string& address) {
    return "[DEFAULT]\r\nBASEURL=x\r\n[InternetShortcut]\r\nURL=" + address + "\r\n";
  }
  fs::path root;
};

TEST_F(Favorites, TopFolderFirstThenEachSubfolderDepthFirstSkippingDotFolders) {
  write("b.url", url("http://b.example/"));
  write("a.url", url("http://a.example/"));
  write("Zeta/z.url", url("http://z.example/"));
  write("Alpha/inner/deep.url", url("http://deep.example/"));
  write("Alpha/alpha.url", url("http://alpha.example/"));
  write(".hidden/h.url", url("http://hidden.example/"));
  write("notes.txt", "URL=http://not-a-shortcut/");
  EXPECT_EQ(favoritesList(root.string()),
            (std::vector<std::string>{"http://a.example/", "http://b.example/", "http://alpha.example/",
                                      "http://deep.example/", "http://z.example/"}));
}

TEST_F(Favorites, LinkFilesCountAndBrokenShortcutsGiveEmptyEntries) {
  write("a.desktop", "[Desktop Entry]\nType=Link\nName=A\nURL=https://a.example/\n");
  write("b.desktop", "[Desktop Entry]\nType=Application\nExec=true\n");
  write("c.url", "[InternetShortcut]\r\nIconFile=x\r\n");
  write("d.url", "[InternetShortcut]\r\nURL=" + std::string(3000, 'x') + "\r\n");
  const auto list = favoritesList(root.string());
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0], "https://a.example/");
  EXPECT_EQ(list[1], "");
  EXPECT_EQ(list[2], "");
  EXPECT_EQ(list[3], std::string(2047, 'x'));
}

TEST_F(Favorites, MissingFolderGivesAnEmptyList) {
  EXPECT_TRUE(favoritesList((root / "nope").string()).empty());
  EXPECT_TRUE(favoritesList("").empty());
}

TEST(IniValue, SectionAndNameIgnoreCaseAndOtherSectionsAreNotRead) {
  const std::string text = "[Other]\nURL=wrong\n[internetshortcut]\n url = right \n";
  EXPECT_EQ(iniValue(text, "InternetShortcut", "URL"), "right");
  EXPECT_EQ(iniValue(text, "InternetShortcut", "Missing"), "");
}

}  // namespace
}  // namespace markloom
