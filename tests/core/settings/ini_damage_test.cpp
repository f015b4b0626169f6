// The settings file's text checked line by line: what is damage and what is not.
#include "core/settings/ini_damage.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

using namespace std::string_literals;

struct Case {
  const char* name;
  std::string bytes;
  std::optional<IniDamage> expected;
};

const Case kCases[] = {
    {"Empty", "", std::nullopt},
    {"AsWritten",
     "[General]\nDefault%20Directory=/home/ann\n\n[Proxies]\nServer=\"a; b\"\nPort=3128\n", std::nullopt},
    {"CrLfCommentsAndBom", "\xEF\xBB\xBF; note\r\n# note\r\n[Colors]\r\n  Editor Background 1 = clRed  \r\n",
     std::nullopt},
    {"EmptyValue", "[Tidy]\nBlock Tags=\n", std::nullopt},
    {"NoFinalNewline", "[Tidy]\nTime Limit=5", std::nullopt},
    {"SectionNotClosed", "[General]\nA=1\n[Colors\nB=2\n", IniDamage{3, "a section line without its closing ']'"}},
    {"SectionWithoutName", "[ ]\nA=1\n", IniDamage{1, "a section line without a name"}},
    {"NulByte", "[General]\nA=1\nB=\0x\n"s, IniDamage{3, "a NUL byte"}},
    {"NotIni", "{\n  \"settings\": true\n}\n", IniDamage{1, "neither a [section] nor a name=value line"}},
    {"StrayLine", "[General]\nA=1\nhello\n", IniDamage{3, "neither a [section] nor a name=value line"}},
    {"ValueWithoutName", "[General]\n=1\n", IniDamage{2, "a value without a name"}},
    {"BinaryAfterSoundLines", "[General]\nA=1\n\x7f\x45\x4c\x46\x02\x01\n", IniDamage{3, "neither a [section] nor a name=value line"}},
};

TEST(IniDamage, FindsTheFirstDamagedLineOrNone) {
  for (const Case& c : kCases) EXPECT_EQ(findIniDamage(c.bytes), c.expected) << c.name;
}

}  // namespace
}  // namespace markloom
