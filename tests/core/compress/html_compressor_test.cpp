#include "core/compress/html_compressor.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/text/file_io.h"

namespace markloom {
namespace {

namespace fs = std::filesystem;

class HtmlCompressorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("markloom-compressor-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string path(const char* name) const { return (dir / name).string(); }
  fs::path dir;
};

TEST_F(HtmlCompressorTest, CreationDefaults) {
  const HtmlCompressor c;
  EXPECT_TRUE(c.SimpleTags);
  EXPECT_TRUE(c.Center);
  EXPECT_TRUE(c.InvCommas);
  EXPECT_TRUE(c.Spaces);
  EXPECT_TRUE(c.Returns);
  EXPECT_TRUE(c.AllReturns);
  EXPECT_TRUE(c.Webbots);
  EXPECT_FALSE(c.BlockquoteToUl);
  EXPECT_EQ(c.options(), CompressOptions{});
  EXPECT_EQ(c.SizeBefore(), 0u);
  EXPECT_EQ(c.SizeAfter(), 0u);
}

TEST_F(HtmlCompressorTest, LoadCompressSaveReportsBothSizes) {
  writeFileAtomically(path("in.htm"), "<p>\r\n<STRONG>a</STRONG>  b</p>\r\n");
  HtmlCompressor c;
  ASSERT_TRUE(c.LoadSource(path("in.htm")));
  EXPECT_EQ(c.SizeBefore(), 32u);
  EXPECT_EQ(c.SizeAfter(), 0u);
  c.Compress();
  ASSERT_TRUE(c.SaveResult(path("out.htm")));
  EXPECT_EQ(readFile(path("out.htm")), "<p><b>a</b> b</p>");
  EXPECT_EQ(c.SizeAfter(), 17u);
}

TEST_F(HtmlCompressorTest, SecondCompressDoesNothingUntilNextLoad) {
  HtmlCompressor c;
  c.setOptions(CompressOptions::none());
  c.Spaces = true;
  c.loadBytes("a  b");
  c.Compress();
  EXPECT_EQ(c.buffer(), "a b");
  c.Spaces = false;
  c.SimpleTags = true;
  c.loadBytes("<strong>  </strong>");
  c.Compress();
  c.Spaces = true;
  c.Compress();
  EXPECT_EQ(c.buffer(), "<b>  </b>");
  EXPECT_EQ(c.SizeAfter(), 9u);
}

TEST_F(HtmlCompressorTest, MissingFileLoadsNothingAndRaisesNothing) {
  HtmlCompressor c;
  EXPECT_FALSE(c.LoadSource(path("none.htm")));
  EXPECT_FALSE(c.LoadSource(dir.string()));
}

TEST_F(HtmlCompressorTest, EmptyFileIsNeitherCompressedNorSaved) {
  writeFileAtomically(path("empty.htm"), "");
  HtmlCompressor c;
  ASSERT_TRUE(c.LoadSource(path("empty.htm")));
  c.Compress();
  EXPECT_FALSE(c.compressed());
  EXPECT_FALSE(c.SaveResult(path("out.htm")));
  EXPECT_FALSE(fs::exists(path("out.htm")));
  EXPECT_EQ(c.SizeBefore(), 0u);
  EXPECT_EQ(c.SizeAfter(), 0u);
}

TEST_F(HtmlCompressorTest, UncompressedTextIsNeverSaved) {
  writeFileAtomically(path("page.htm"), "<p>keep</p>");
  HtmlCompressor c;
  ASSERT_TRUE(c.LoadSource(path("page.htm")));
  EXPECT_FALSE(c.SaveResult(path("page.htm")));
  EXPECT_EQ(readFile(path("page.htm")), "<p>keep</p>");
}

TEST_F(HtmlCompressorTest, UnwritableTargetFailsAndKeepsOldFile) {
  HtmlCompressor c;
  c.loadBytes("a  b");
  c.Compress();
  EXPECT_FALSE(c.SaveResult((dir / "no-such-folder" / "x.htm").string()));
  EXPECT_FALSE(c.SaveResult(dir.string()));
}

TEST_F(HtmlCompressorTest, ResultThatIsEmptyIsStillSaved) {
  HtmlCompressor c;
  c.loadBytes("<!--webbot x-->");
  c.Compress();
  EXPECT_EQ(c.SizeAfter(), 0u);
  writeFileAtomically(path("out.htm"), "old");
  EXPECT_TRUE(c.SaveResult(path("out.htm")));
  EXPECT_EQ(readFile(path("out.htm")), "");
}

}  // namespace
}  // namespace markloom
