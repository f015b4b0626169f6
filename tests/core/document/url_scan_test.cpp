#include "core/document/url_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace markloom {
namespace {

struct UrlCase {
  std::string name, line;
  std::vector<std::string> urls;
};
std::ostream& operator<<(std::ostream& os, const UrlCase& c) { return os << c.name; }

class UrlScan : public ::testing::TestWithParam<UrlCase> {};

TEST_P(UrlScan, Finds) {
  std::vector<std::string> got;
  for (auto [start, length] : findUrls(GetParam().line)) got.push_back(GetParam().line.substr(start, length));
  EXPECT_EQ(got, GetParam().urls);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UrlScan,
    ::testing::Values(UrlCase{"InAttribute", "<a href=\"http://example.com/a?b=1\">", {"http://example.com/a?b=1"}},
                      UrlCase{
                          "SentenceEnd", "See www.example.org. Or mailto:a@b.c,", {"www.example.org", "mailto:a@b.c"}},
                      UrlCase{"UpperCaseScheme", "HTTPS://X.Y/z", {"HTTPS://X.Y/z"}},
                      UrlCase{"BarePrefixIsNoAddress", "http:// and www. alone", {}},
                      UrlCase{"InsideWordIsNoAddress", "xhttp://a.b", {}}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace markloom
