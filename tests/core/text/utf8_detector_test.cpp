#include "core/text/utf8_detector.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace markloom {
namespace {

// Fed whole, in two pieces split at every point, and a byte at a time, the
// detector agrees with TextCodec::detect on the whole text.
TEST(Utf8Detector, AgreesWithTheWholeTextHoweverItIsCut) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"empty", ""},
      {"ASCII", "<card title=\"x\">plain</card>"},
      {"two-byte characters", "caf\xC3\xA9 na\xC3\xAFve"},
      {"three and four bytes", "\xE2\x80\x9Cq\xE2\x80\x9D \xF0\x9F\x98\x80!"},
      {"a lone Windows-1252 byte", "caf\xE9"},
      {"a lead without its continuation", "ab\xC3(c"},
      {"a text cut inside a character", "ok \xE2\x80"},
      {"a stray continuation byte", "a\x80z"},
      {"an overlong form", "\xC0\xAF"},
      {"a surrogate", "\xED\xA0\x80"},
      {"past U+10FFFF", "\xF4\x90\x80\x80"},
      {"valid then invalid far after", std::string(300, 'a') + "\xC3\xA9" + std::string(300, 'b') + "\xFF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TextEncoding expected = TextCodec::detect(c.bytes).encoding();
    for (std::size_t split = 0; split <= c.bytes.size(); ++split) {
      Utf8Detector detector;
      detector.feed(std::string_view(c.bytes).substr(0, split));
      detector.feed(std::string_view(c.bytes).substr(split));
      EXPECT_EQ(detector.result().encoding(), expected) << "split at " << split;
    }
    Utf8Detector bytewise;
    for (char ch : c.bytes) bytewise.feed(std::string_view(&ch, 1));
    EXPECT_EQ(bytewise.result().encoding(), expected) << "a byte at a time";
  }
}

}  // namespace
}  // namespace markloom
