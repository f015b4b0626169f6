// JSON output of 8-bit text and of the members of a result row.
#include "core/analysis/json_text.h"

#include <gtest/gtest.h>

#include <string>

namespace markloom {
namespace {

TEST(JsonText, StringsKeepEveryByteReadably) {
  const struct {
    const char* name;
    std::string bytes;
    std::string expected;
  } cases[] = {
      {"plain", "a b", "\"a b\""},
      {"escapes", "\"\\\n\r\t", R"("\"\\\n\r\t")"},
      {"control", std::string("\x01\x1f", 2), R"("\u0001\u001f")"},
      {"eight-bit as Latin-1", "caf\xe9", "\"caf\xc3\xa9\""},
  };
  for (const auto& c : cases) {
    std::string out;
    appendJsonString(c.bytes, out);
    EXPECT_EQ(out, c.expected) << c.name;
  }
}

TEST(JsonText, MembersOpenTheObjectThenFollowWithCommas) {
  std::string out;
  appendJsonMember("file", "a\"b.html", out, true);
  appendJsonMember("type", "", out);
  out += '}';
  EXPECT_EQ(out, R"({"file":"a\"b.html","type":""})");
}

}  // namespace
}  // namespace markloom
