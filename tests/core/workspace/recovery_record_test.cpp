// Recovery copies: written then read back byte for byte, and anything else
// (a stray file, a copy cut short before its name ends) is turned away.
#include "core/workspace/recovery_record.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

struct RoundTrip {
  const char* name;
  RecoveryRecord record;
};

class RecoveryRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(RecoveryRoundTrip, ReadsBackWhatWasWritten) {
  EXPECT_EQ(decodeRecovery(encodeRecovery(GetParam().record)), GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecoveryRoundTrip,
    ::testing::Values(RoundTrip{"NamedPage", {"/home/ann/site/index.htm", "<p>a</p>\r\n<p>b</p>\r\n"}},
                      RoundTrip{"Untitled", {"", "<p>new</p>"}}, RoundTrip{"EmptyText", {"/x.htm", ""}},
                      RoundTrip{"LineEndsAndNulsInTheText", {"/x.htm", std::string("\n\r\n\0\xff", 5)}},
                      RoundTrip{"NonAsciiName", {"/home/ann/caf\xc3\xa9.htm", "x"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RecoveryDecode, TurnsAwayWhatIsNotACopy) {
  for (const char* stored :
       {"", "MARKLOOM RECOVERY 1", "MARKLOOM RECOVERY 1\n/cut/short", "MARKLOOM RECOVERY 2\n\n", "<p>a page</p>\n"})
    EXPECT_FALSE(decodeRecovery(stored).has_value()) << stored;
}

}  // namespace
}  // namespace markloom
