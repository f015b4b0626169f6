// Site addresses for markloom-cli publish, and the names Auto sends as text.
#include "core/sites/site_address.h"

#include <gtest/gtest.h>

#include "core/common/error.h"
#include "core/sites/transfer_batch.h"
#include "core/sites/transfer_type.h"

namespace markloom {
namespace {

TEST(SiteAddress, ReadsSchemeUserHostPortAndPath) {
  struct Case {
    const char* text;
    const char* scheme;
    const char* user;
    const char* host;
    int port;
    const char* path;
  };
  const Case cases[] = {
      {"ftp://example.test", "ftp", "", "example.test", 21, ""},
      {"ftps://me@example.test:2121/www/", "ftps", "me", "example.test", 2121, "www"},
      {"sftp://me@127.0.0.1/srv/site%20one", "sftp", "me", "127.0.0.1", 22, "srv/site one"},
      {"ftp://a%40b@[::1]:21/x", "ftp", "a@b", "::1", 21, "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const SiteAddress a = parseSiteAddress(c.text);
    EXPECT_EQ(a.scheme, c.scheme);
    EXPECT_EQ(a.user, c.user);
    EXPECT_EQ(a.host, c.host);
    EXPECT_EQ(a.port, c.port);
    EXPECT_EQ(a.path, c.path);
  }
}

TEST(SiteAddress, RefusesWhatCannotBeUsed) {
  const char* bad[] = {"http://example.test/", "example.test", "ftp://", "ftp://h:0/", "ftp://h:99999/",
                       "ftp://h:port/", "ftp://me:secret@h/", "ftp://h/%zz", "ftp://[::1/"};
  for (const char* text : bad) {
    SCOPED_TRACE(text);
    EXPECT_THROW(parseSiteAddress(text), Error);
  }
  try {
    parseSiteAddress("ftp://me:secret@h/");
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()).find("secret"), std::string::npos) << "the password is not repeated";
  }
}

TEST(TextExtensions, AutoSendsListedExtensionsAsTextWhateverTheirCase) {
  const std::vector<std::string> list = parseTextExtensions("htm, .HTML; *.css  js,,php");
  EXPECT_EQ(list, (std::vector<std::string>{"htm", "html", "css", "js", "php"}));
  const struct {
    const char* name;
    bool text;
  } cases[] = {{"index.html", true}, {"INDEX.HTM", true}, {"dir/site.CSS", true}, {"logo.png", false},
               {"archive.tar.gz", false}, {"html", false}, {"page.html.bak", false}, {".css", true}};
  for (const auto& c : cases) EXPECT_EQ(isTextName(c.name, list), c.text) << c.name;
  const auto defaults = parseTextExtensions(kDefaultTextExtensions);
  for (const char* name : {"a.htm", "a.html", "a.css", "a.js", "a.php", "a.asp", "a.txt", "a.xml", "a.wml"})
    EXPECT_TRUE(isTextName(name, defaults)) << name;
  for (const char* name : {"a.png", "a.jpg", "a.gif", "a.zip", "a.pdf", "a.ico", "a.woff2", "noextension"})
    EXPECT_FALSE(isTextName(name, defaults)) << name;
}

TEST(TransferBatch, ExistingFilesGetTheChosenAnswer) {
  const SiteTree source = {{"a.html", false, 10, 200}, {"img", true, 0, 0}, {"img/b.png", false, 5, 100}};
  const SiteTree target = {{"a.html", false, 9, 100}, {"img", true, 0, 0}, {"img/b.png", false, 5, 300},
                           {"img/b (2).png", false, 1, 1}};
  TransferBatch batch = matchBatch(source, target);
  ASSERT_EQ(batch.items.size(), 3u);
  EXPECT_EQ(batch.conflicts(), 2);
  EXPECT_EQ(batch.bytes, 15u);
  auto taken = [&](const std::string& p) {
    return std::any_of(target.begin(), target.end(), [&](const SiteEntry& e) { return e.path == p; });
  };
  // Overwrite if newer: a.html is newer here, img/b.png older.
  for (BatchItem& item : batch.items) applyChoice(item, OverwriteChoice::OverwriteIfNewer, taken);
  EXPECT_FALSE(batch.items[0].skip);
  EXPECT_TRUE(batch.items[2].skip);
  batch.recount();
  EXPECT_EQ(batch.bytes, 10u);
  // Rename finds the first free numbered name.
  BatchItem renamed = matchBatch(source, target).items[2];
  applyChoice(renamed, OverwriteChoice::Rename, taken);
  EXPECT_EQ(renamed.targetPath, "img/b (3).png");
  BatchItem skipped = matchBatch(source, target).items[0];
  applyChoice(skipped, OverwriteChoice::Skip, taken);
  EXPECT_TRUE(skipped.skip);
  EXPECT_EQ(numberedName("dir.v2/README", 2), "dir.v2/README (2)");
}

}  // namespace
}  // namespace markloom
