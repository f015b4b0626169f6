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
  const CompressOptions& o = c.options();
  EXPECT_TRUE(o.shortTags);
  EXPECT_TRUE(o.center);
  EXPECT_TRUE(o.quotesInTags);
  EXPECT_TRUE(o.spaces);
  EXPECT_TRUE(o.extraLineBreaks);
  EXPECT_TRUE(o.allLineBreaks);
  EXPECT_TRUE(o.webBots);
  EXPECT_FALSE(o.blockquoteToList);
  EXPECT_EQ(c.sizeBefore(), 0u);
  EXPECT_EQ(c.sizeAfter(), 0u);
}

TEST_F(HtmlCompressorTest, LoadCompressSaveReportsBothSizes) {
  writeFileAtomically(path("in.htm"), "<p>\r\n<STRONG>a</STRONG>  b</p>\r\n");
  HtmlCompressor c;
  ASSERT_TRUE(c.loadSource(path("in.htm")));
  EXPECT_EQ(c.sizeBefore(), 32u);
  EXPECT_EQ(c.sizeAfter(), 0u);
  c.compress();
  ASSERT_TRUE(c.saveResult(path("out.htm")));
  EXPECT_EQ(readFile(path("out.htm")), "<p><b>a</b> b</p>");
  EXPECT_EQ(c.sizeAfter(), 17u);
}

TEST_F(HtmlCompressorTest, SecondCompressDoesNothingUntilNextLoad) {
  HtmlCompressor c;
  CompressOptions o = CompressOptions::none();
  o.spaces = true;
  c.setOptions(o);
  c.loadBytes("a  b");
  c.compress();
  EXPECT_EQ(c.buffer(), "a b");
  o.spaces = false;
  o.shortTags = true;
  c.setOptions(o);
  c.loadBytes("<strong>  </strong>");
  c.compress();
  o.spaces = true;
  c.setOptions(o);
  c.compress();
  EXPECT_EQ(c.buffer(), "<b>  </b>");
  EXPECT_EQ(c.sizeAfter(), 9u);
}

TEST_F(HtmlCompressorTest, MissingFileLoadsNothingAndRaisesNothing) {
  HtmlCompressor c;
  EXPECT_FALSE(c.loadSource(path("none.htm")));
  EXPECT_FALSE(c.loadSource(dir.string()));
}

TEST_F(HtmlCompressorTest, EmptyFileIsNeitherCompressedNorSaved) {
  writeFileAtomically(path("empty.htm"), "");
  HtmlCompressor c;
  ASSERT_TRUE(c.loadSource(path("empty.htm")));
  c.compress();
  EXPECT_FALSE(c.compressed());
  EXPECT_FALSE(c.saveResult(path("out.htm")));
  EXPECT_FALSE(fs::exists(path("out.htm")));
  EXPECT_EQ(c.sizeBefore(), 0u);
  EXPECT_EQ(c.sizeAfter(), 0u);
}

TEST_F(HtmlCompressorTest, UncompressedTextIsNeverSaved) {
  writeFileAtomically(path("page.htm"), "<p>keep</p>");
  HtmlCompressor c;
  ASSERT_TRUE(c.loadSource(path("page.htm")));
  EXPECT_FALSE(c.saveResult(path("page.htm")));
  EXPECT_EQ(readFile(path("page.htm")), "<p>keep</p>");
}

TEST_F(HtmlCompressorTest, UnwritableTargetFailsAndKeepsOldFile) {
  HtmlCompressor c;
  c.loadBytes("a  b");
  c.compress();
  EXPECT_FALSE(c.saveResult((dir / "no-such-folder" / "x.htm").string()));
  EXPECT_FALSE(c.saveResult(dir.string()));
}

TEST_F(HtmlCompressorTest, ResultThatIsEmptyIsStillSaved) {
  HtmlCompressor c;
  c.loadBytes("<!--webbot x-->");
  c.compress();
  EXPECT_EQ(c.sizeAfter(), 0u);
  writeFileAtomically(path("out.htm"), "old");
  EXPECT_TRUE(c.saveResult(path("out.htm")));
  EXPECT_EQ(readFile(path("out.htm")), "");
}

}  // namespace
}  // namespace markloom
