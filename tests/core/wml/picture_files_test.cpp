#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/wml/picture_files.h"

namespace markloom {
namespace {

struct ResolveCase {
  const char* name;
  std::string folder, source, path;
};

class ResolvePicturePath : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolvePicturePath, GivesTheFileToLookAt) {
  EXPECT_EQ(resolvePicturePath(GetParam().folder, GetParam().source), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResolvePicturePath,
    ::testing::Values(ResolveCase{"RelativeJoinsTheFolder", "/site/cards", "logo.wbmp", "/site/cards/logo.wbmp"},
                      ResolveCase{"FolderWithTrailingSlash", "/site/", "img/a.png", "/site/img/a.png"},
                      ResolveCase{"BackslashesAreSlashes", "/site", "img\\a.png", "/site/img/a.png"},
                      ResolveCase{"UpwardsStaysRelative", "/site/cards", "../a.png", "/site/cards/../a.png"},
                      ResolveCase{"AbsoluteAsItStands", "/site", "/pics/a.png", "/pics/a.png"},
                      ResolveCase{"LocalFileAddress", "/site", "file:///pics/a.png", "/pics/a.png"},
                      ResolveCase{"FileAddressOfAnotherHost", "/site", "file://host/a.png", ""},
                      ResolveCase{"WebAddressHasNoLocalFile", "/site", "http://example.com/a.png", ""},
                      ResolveCase{"SchemeInAnyCase", "/site", "HTTPS://example.com/a.png", ""},
                      ResolveCase{"ColonLaterInTheNameIsNoScheme", "/site", "a:b/c.png", "/site/a:b/c.png"},
                      ResolveCase{"RelativeWithoutFolder", "", "a.png", ""},
                      ResolveCase{"AbsoluteWithoutFolder", "", "/a.png", "/a.png"},
                      ResolveCase{"EmptyValue", "/site", "", ""}),
    [](const auto& row) { return std::string(row.param.name); });

struct WbmpCase {
  const char* name;
  std::string bytes;
  std::optional<PixelSize> size;
};

class WbmpSize : public ::testing::TestWithParam<WbmpCase> {};

TEST_P(WbmpSize, ReadsTheHeaderOfAWholePicture) { EXPECT_EQ(wbmpSize(GetParam().bytes), GetParam().size); }

std::string wbmp(std::string header, std::size_t dataBytes) { return header + std::string(dataBytes, '\xFF'); }

INSTANTIATE_TEST_SUITE_P(
    Cases, WbmpSize,
    ::testing::Values(WbmpCase{"EightByFour", wbmp(std::string("\0\0\x08\x04", 4), 4), PixelSize{8, 4}},
                      WbmpCase{"RowsRoundUpToWholeBytes", wbmp(std::string("\0\0\x09\x02", 4), 4), PixelSize{9, 2}},
                      WbmpCase{"MultiByteWidth", wbmp(std::string("\0\0\x81\x02\x01", 5), 17), PixelSize{130, 1}},
                      WbmpCase{"PixelsMissing", wbmp(std::string("\0\0\x08\x04", 4), 3), std::nullopt},
                      WbmpCase{"BytesAfterThePicture", wbmp(std::string("\0\0\x08\x04", 4), 5), std::nullopt},
                      WbmpCase{"OtherType", wbmp(std::string("\x01\0\x08\x04", 4), 4), std::nullopt},
                      WbmpCase{"ExtensionHeaders", wbmp(std::string("\0\x80\x08\x04", 4), 4), std::nullopt},
                      WbmpCase{"ZeroWidth", std::string("\0\0\0\x04", 4), std::nullopt},
                      WbmpCase{"HeaderCutShort", std::string("\0\0\x88", 3), std::nullopt},
                      WbmpCase{"Png", std::string("\x89PNG\r\n\x1a\n", 8), std::nullopt},
                      WbmpCase{"Empty", "", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace markloom
