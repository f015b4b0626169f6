// Real HTML5 pages: every page of the Python documentation that Debian ships
// (python3-doc, installed by scripts/install-deps) must select the HTML5 rules
// and give no row except the real faults listed in
// corpus/python3_doc_faults.tsv (page, subject, message, type, how many; the
// page "*" stands for the faults of the theme every page shares, counted over
// all pages). Every
// row found is printed, so a new one can be judged and either fixed in the
// rules or added to the list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/analysis/document_analysis.h"

namespace markloom {
namespace {

namespace fs = std::filesystem;

// page (relative to its html folder), subject, message, type
using FaultKey = std::tuple<std::string, std::string, std::string, std::string>;

std::vector<fs::path> corpusPages() {
  std::set<fs::path> pages;  // the packages link to one another's folders; each page once
  std::error_code ec;
  for (const auto& doc : fs::directory_iterator("/usr/share/doc", ec)) {
    const std::string name = doc.path().filename().string();
    if (name.rfind("python3", 0) != 0) continue;
    const fs::path html = doc.path() / "html";
    if (!fs::is_directory(html, ec)) continue;
    for (auto it = fs::recursive_directory_iterator(html, fs::directory_options::follow_directory_symlink, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
      if (ec) break;
      if (it->path().extension() == ".html" && fs::is_regular_file(it->path(), ec))
        pages.insert(fs::canonical(it->path(), ec));
    }
  }
  pages.erase(fs::path());
  return {pages.begin(), pages.end()};
}

std::string pageKey(const fs::path& page) {
  const std::string text = page.string();
  const std::size_t at = text.find("/html/");
  return at == std::string::npos ? text : text.substr(at + 6);
}

std::map<FaultKey, int> knownFaults() {
  std::map<FaultKey, int> faults;
  std::ifstream in(fs::path(MARKLOOM_SOURCE_DIR) / "tests/core/analysis/corpus/python3_doc_faults.tsv");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string page, subject, message, type, count;
    std::getline(fields, page, '\t');
    std::getline(fields, subject, '\t');
    std::getline(fields, message, '\t');
    std::getline(fields, type, '\t');
    std::getline(fields, count, '\t');
    if (!page.empty()) faults[{page, subject, message, type}] = std::stoi(count);
  }
  return faults;
}

TEST(Html5Corpus, PythonDocumentationGivesOnlyItsKnownFaults) {
  const std::vector<fs::path> pages = corpusPages();
  const std::map<FaultKey, int> known = knownFaults();
  if (pages.empty())
    GTEST_SKIP() << "no pages under /usr/share/doc/python3*/html: python3-doc is not installed "
                    "(scripts/install-deps installs it)";
  std::map<FaultKey, int> found;
  std::vector<std::string> notHtml5;
  for (const auto& page : pages) {
    RuleSet used = RuleSet::Html4;
    for (const auto& row : analyzeFile(page.string(), RuleChoice::ByDoctype, &used)) {
      if (row.line < 0) continue;
      std::cout << "  " << pageKey(page) << ":" << row.line + 1 << "\t" << row.subject << "\t" << row.message << "\t"
                << row.type << "\n";
      const FaultKey shared{"*", row.subject, row.message, row.type};
      ++found[known.count(shared) ? shared : FaultKey{pageKey(page), row.subject, row.message, row.type}];
    }
    if (used != RuleSet::Html5) notHtml5.push_back(pageKey(page));
  }
  std::cout << "  " << pages.size() << " pages checked\n";
  EXPECT_TRUE(notHtml5.empty()) << notHtml5.size() << " pages did not select the HTML5 rules, the first "
                                << notHtml5.front();
  ASSERT_FALSE(known.empty()) << "the list of known faults is missing";
  for (const auto& [key, count] : found) {
    const auto it = known.find(key);
    EXPECT_TRUE(it != known.end() && it->second == count)
        << "not a known fault: " << std::get<0>(key) << "\t" << std::get<1>(key) << "\t" << std::get<2>(key) << "\t"
        << std::get<3>(key) << "\t" << count;
  }
}

}  // namespace
}  // namespace markloom
