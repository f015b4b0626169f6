#include "core/links/link_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "core/common/error.h"

namespace markloom {
namespace {

const std::string kBase = "/site/";
const std::set<std::string> kFiles = {"/site/here.htm", "/site/images/logo.gif", "/index.htm", "/site/my file.htm"};

bool exists(const std::string& path) { return kFiles.count(path) > 0; }

std::vector<FoundLink> found(const std::vector<std::string>& links) {
  std::vector<FoundLink> out;
  for (const std::string& l : links) out.push_back({l, 0});
  return out;
}

// Rows as "Type|Link|Status|Message".
std::vector<std::string> shown(const std::vector<LinkRow>& rows) {
  std::vector<std::string> out;
  for (const LinkRow& r : rows) out.push_back(r.type + "|" + r.link + "|" + r.status + "|" + r.message);
  return out;
}

struct Case {
  const char* link;
  std::vector<std::string> classic;  // rows with the classic rules, no address answered
  bool classicFetches;
  std::vector<std::string> modern;
  bool modernFetches;
};

TEST(LinkCheck, LocalLinksUnderBothRuleSets) {
  const Case cases[] = {
      {"here.htm", {}, false, {}, false},
      {"gone.htm",
       {"|/site/gone.htm|404|File does not exist."},
       false,
       {"|/site/gone.htm|404|File does not exist."},
       false},
      {"/about.htm", {"Error|/about.htm|404|File not found."}, false, {"Error|/about.htm|404|File not found."}, false},
      {"mailto:a@b.c", {}, false, {}, false},
      {"MAILTO:a@b.c", {"|/site/MAILTO:a@b.c|404|File does not exist."}, false, {}, false},
      {"images/logo.gif", {}, false, {}, false},
      {"images/none.gif", {}, false, {"|/site/images/none.gif|404|File does not exist."}, false},
      {"../index.htm", {}, false, {}, false},
      {"../gone.htm", {}, false, {"|/gone.htm|404|File does not exist."}, false},
      {"#top", {"|/site/#top|404|File does not exist."}, false, {}, false},
      {"here.htm#part", {"|/site/here.htm#part|404|File does not exist."}, false, {}, false},
      {"here.htm?q=1", {"|/site/here.htm?q=1|404|File does not exist."}, false, {}, false},
      {"my%20file.htm", {"|/site/my%20file.htm|404|File does not exist."}, false, {}, false},
      {"javascript:go()", {"|/site/javascript:go()|404|File does not exist."}, false, {}, false},
      {"tel:+441234", {"|/site/tel:+441234|404|File does not exist."}, false, {}, false},
      {"https://example.test/", {}, false, {}, true},
      {"HTTP://example.test/", {}, false, {}, true},
      {"http://example.test/", {}, true, {}, true},
      {"go.php?u=http://example.test/", {}, true, {"|/site/go.php|404|File does not exist."}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.link);
    for (bool modern : {false, true}) {
      LinkOptions options;
      options.modern = modern;
      const LinkCheck check(found({c.link}), kBase, options, exists);
      EXPECT_EQ(shown(check.rows()), modern ? c.modern : c.classic) << (modern ? "modern" : "classic");
      EXPECT_EQ(check.addresses().size(), (modern ? c.modernFetches : c.classicFetches) ? 1u : 0u)
          << (modern ? "modern" : "classic");
    }
  }
}

TEST(LinkCheck, WebAnswersBecomeRows) {
  struct Answer {
    WebAnswer answer;
    std::vector<std::string> classic;
    std::vector<std::string> modern;
  };
  const std::string u = "http://example.test/x";
  const Answer answers[] = {
      {{true, 200, "OK", "", ""}, {}, {}},
      {{true, 404, "Not Found", "", ""}, {"Error|" + u + "|404|404 Not Found"}, {"Error|" + u + "|404|404 Not Found"}},
      {{true, 403, "Forbidden", "", ""},
       {"Security|" + u + "|403|403 Forbidden"},
       {"Security|" + u + "|403|403 Forbidden"}},
      {{true, 500, "Internal Server Error", "", ""},
       {"Server|" + u + "|500|500 Internal Server Error"},
       {"Server|" + u + "|500|500 Internal Server Error"}},
      {{true, 410, "Gone", "", ""}, {}, {"Error|" + u + "|410|410 Gone"}},
      {{true, 503, "Service Unavailable", "", ""}, {}, {"Error|" + u + "|503|503 Service Unavailable"}},
      {{true, 301, "Moved Permanently", "https://example.test/x", ""},
       {},
       {"Redirect|" + u + "|301|Redirects to https://example.test/x"}},
      {{false, 0, "", "", "Could not connect"}, {}, {"Error|" + u + "|-|Could not connect"}},
  };
  for (const Answer& a : answers) {
    SCOPED_TRACE(a.answer.status);
    for (bool modern : {false, true}) {
      LinkOptions options;
      options.modern = modern;
      LinkCheck check(found({u}), kBase, options, exists);
      ASSERT_EQ(check.addresses(), std::vector<std::string>({u}));
      EXPECT_TRUE(check.rows().empty());  // nothing before the answer
      check.setAnswer(0, a.answer);
      EXPECT_EQ(shown(check.rows()), modern ? a.modern : a.classic);
    }
  }
}

TEST(LinkCheck, EachAddressFetchedOnceAndRowsOrderedByType) {
  LinkOptions options;
  options.modern = false;
  LinkCheck check(found({"http://a.test/1", "gone.htm", "/abs.htm", "http://a.test/1", "http://b.test/2", "gone.htm"}),
                  kBase, options, exists);
  EXPECT_EQ(check.addresses(), std::vector<std::string>({"http://a.test/1", "http://b.test/2"}));
  check.setAnswer(0, {true, 500, "Internal Server Error", "", ""});
  check.setAnswer(1, {true, 404, "Not Found", "", ""});
  EXPECT_EQ(shown(check.rows()), std::vector<std::string>({
                                     "|/site/gone.htm|404|File does not exist.",
                                     "|/site/gone.htm|404|File does not exist.",
                                     "Error|/abs.htm|404|File not found.",
                                     "Error|http://b.test/2|404|404 Not Found",
                                     "Server|http://a.test/1|500|500 Internal Server Error",
                                     "Server|http://a.test/1|500|500 Internal Server Error",
                                 }));
}

TEST(LinkCollector, LinksInDocumentOrderPerOption) {
  const std::string page =
      "<a href=\"one.htm\" HREF=\"two.htm\"><img src=\"p.gif\">\n<script src=\"s.js\"></script>"
      "<embed src=\"m.swf\"><A Href='q.htm'><link href=\"c.css\">";
  auto links = [&](LinkOptions o) {
    std::vector<std::string> out;
    for (const FoundLink& f : collectLinks(page, o)) out.push_back(f.link);
    return out;
  };
  LinkOptions all;
  all.objects = true;
  EXPECT_EQ(links(all), std::vector<std::string>({"one.htm", "two.htm", "p.gif", "s.js", "m.swf", "'q.htm'"}));
  EXPECT_EQ(links(LinkOptions{}), std::vector<std::string>({"one.htm", "two.htm", "p.gif", "s.js", "'q.htm'"}));
  LinkOptions none{false, false, false, false, true};
  EXPECT_TRUE(links(none).empty());
  EXPECT_EQ(collectLinks(page, all)[3].line, 1);
}

// Read from a file in pieces, a page gives the links its bytes give, also
// with tags cut between pieces; a tag past the kept length is read from its
// start, so memory stays bounded.
TEST(LinkCollector, AFileReadInPiecesGivesTheLinksOfItsBytes) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "markloom-link-collector-test.htm";
  auto write = [&](const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  };
  auto both = [&](const std::string& page) {
    write(page);
    std::vector<std::string> fromFile;
    for (const FoundLink& f : collectLinksInFile(file.string(), LinkOptions{})) fromFile.push_back(f.link + "@" + std::to_string(f.line));
    std::vector<std::string> fromBytes;
    for (const FoundLink& f : collectLinks(page, LinkOptions{})) fromBytes.push_back(f.link + "@" + std::to_string(f.line));
    return std::make_pair(fromFile, fromBytes);
  };
  const std::string tag = "<a href=\"far.htm\">";
  for (std::size_t cut : {0u, 3u, 9u, 16u}) {
    SCOPED_TRACE(cut);
    std::string page(std::size_t{1} << 16, 't');
    page.replace(page.size() / 2, 1, "\n<img src=\"near.gif\">\n");
    page.resize((std::size_t{1} << 16) - cut);
    page += tag + "x\n<script src=\"s.js\"></script>";
    const auto [fromFile, fromBytes] = both(page);
    EXPECT_EQ(fromFile, fromBytes);
    EXPECT_EQ(fromFile.size(), 3u);
  }
  const std::string longValue(kLinkTagBytes + 100, 'v');
  write("<a href=\"" + longValue + "\">x</a><img src=\"after.gif\">");
  const std::vector<FoundLink> cut = collectLinksInFile(file.string(), LinkOptions{});
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_LE(cut[0].link.size(), kLinkTagBytes);
  EXPECT_EQ(cut[1].link, "after.gif");
  std::filesystem::remove(file);
  EXPECT_THROW(collectLinksInFile(file.string(), LinkOptions{}), Error);
}

TEST(LinkCheck, TallyCountsEveryLinkAndTheBrokenOnesAsAnswersCome) {
  // here.htm passes, gone.htm is missing, the same address twice, a redirect.
  LinkCheck check(found({"here.htm", "gone.htm", "http://a.example/x", "http://a.example/x", "http://b.example/"}),
                  kBase, LinkOptions{}, exists);
  ASSERT_EQ(check.addresses().size(), 2u);
  LinkTally t = check.tally();
  EXPECT_EQ(t.links, 5u);
  EXPECT_EQ(t.done, 2u);
  EXPECT_EQ(t.broken, 1u);
  EXPECT_FALSE(t.finished());
  EXPECT_EQ(tallyText(t), "Checking links: 2 of 5 done, 1 broken so far.");
  check.setAnswer(0, WebAnswer{true, 404, "Not Found", "", ""});
  t = check.tally();
  EXPECT_EQ(t.done, 4u);
  EXPECT_EQ(t.broken, 3u);
  check.setAnswer(1, WebAnswer{true, 301, "Moved Permanently", "http://c.example/", ""});
  t = check.tally();
  EXPECT_TRUE(t.finished());
  EXPECT_EQ(t.redirected, 1u);
  EXPECT_EQ(tallyText(t), "5 links checked, 3 broken, 1 redirected.");
}

TEST(LinkCheck, TallyTexts) {
  const std::vector<std::pair<LinkTally, std::string>> rows = {
      {{0, 0, 0, 0}, "No links to check."},
      {{1, 1, 0, 0}, "1 link checked, none broken."},
      {{1, 1, 1, 0}, "1 link checked, 1 broken."},
      {{7, 7, 0, 2}, "7 links checked, none broken, 2 redirected."},
      {{7, 0, 0, 0}, "Checking links: 0 of 7 done, 0 broken so far."},
  };
  for (const auto& [tally, text] : rows) EXPECT_EQ(tallyText(tally), text);
}

}  // namespace
}  // namespace markloom
