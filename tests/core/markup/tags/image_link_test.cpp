// The image and hyperlink builders: attribute order, optional attributes left
// out when empty, the aligned paragraph, and the link wrapped round the
// selection of an in-memory document.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document/text_buffer.h"
#include "core/markup/tags/hyperlink_builder.h"
#include "core/markup/tags/image_builder.h"

namespace markloom::tags {
namespace {

struct ImageCase {
  std::string name;
  ImageFields fields;
  std::string expected;
};
void PrintTo(const ImageCase& c, std::ostream* os) { *os << c.name; }

ImageFields image(std::string picture) {
  ImageFields f;
  f.picture = std::move(picture);
  return f;
}

const std::vector<ImageCase> kImageCases = {
    {"PictureAndDefaultBorder", image("a.gif"), R"(<img src="a.gif" border="0">)"},
    {"AlignMiddleWrapsInParagraph",
     [] {
       auto f = image("x.png");
       f.align = "middle";
       return f;
     }(),
     R"(<p align="middle"><img src="x.png" border="0"></p>)"},
    {"BorderClearedLeavesNoBorder",
     [] {
       auto f = image("x.png");
       f.border = "";
       return f;
     }(),
     R"(<img src="x.png">)"},
    {"EmptyPictureStillWritesSrc",
     [] {
       auto f = image("");
       f.border = "";
       return f;
     }(),
     R"(<img src="">)"},
    {"AllFieldsBorderBeforeStyle",
     [] {
       ImageFields f;
       f.picture = "p.jpg";
       f.height = "10";
       f.width = "20";
       f.altText = "Alt";
       f.lowRes = "lo.gif";
       f.style = "s:1";
       f.border = "2";
       f.align = "left";
       f.name = "n";
       return f;
     }(),
     R"(<p align="left"><img src="p.jpg" height="10" width="20" alt="Alt" lowres="lo.gif" border="2" style="s:1" name="n"></p>)"},
    {"TextsCopiedUnchanged",
     [] {
       auto f = image(" a\"b&.gif ");
       f.altText = "<x>";
       f.border = "";
       return f;
     }(),
     R"(<img src=" a"b&.gif " alt="<x>">)"},
};

class ImageMarkup : public ::testing::TestWithParam<ImageCase> {};

TEST_P(ImageMarkup, BuildsTheTag) { EXPECT_EQ(imageMarkup(GetParam().fields), snippet(GetParam().expected)); }

INSTANTIATE_TEST_SUITE_P(Cases, ImageMarkup, ::testing::ValuesIn(kImageCases),
                         [](const auto& row) { return row.param.name; });

TEST(ImageFieldsTest, OpenWithBorderZeroAndEverythingElseEmpty) {
  const ImageFields f;
  EXPECT_EQ(f.border, "0");
  EXPECT_TRUE(f.picture.empty() && f.align.empty() && f.name.empty());
}

TEST(ImageCheckTest, AnEmptyPictureIsAWarningNotARefusal) {
  EXPECT_EQ(imageCheck(image("")), warn("You have not specifed an picture."));
  EXPECT_EQ(imageCheck(image("a.gif")), std::nullopt);
}

struct LinkCase {
  std::string name;
  LinkFields fields;
  std::vector<std::string> document;
  TextPosition anchor, caret;  // the selection before the command
  std::vector<std::string> expected;
};
void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

LinkFields link(std::string to, std::string target = "") {
  LinkFields f;
  f.linkTo = std::move(to);
  f.target = std::move(target);
  return f;
}

const std::vector<LinkCase> kLinkCases = {
    {"SelectedWordWithTarget",
     link("page.htm", "_top"),
     {"Home sweet"},
     {0, 0},
     {0, 4},
     {R"(<a href="page.htm" target="_top">Home</A> sweet)"}},
    {"NothingSelected", link("page.htm"), {"ab"}, {0, 1}, {0, 1}, {R"(a<a href="page.htm"></A>b)"}},
    {"TwoSelectedLinesStayInside",
     link("x.htm"),
     {"one", "two"},
     {0, 0},
     {1, 3},
     {R"(<a href="x.htm">one)", "two</A>"}},
    {"AttributeOrder",
     [] {
       LinkFields f = link("u", "_blank");
       f.style = "s";
       f.name = "n";
       f.className = "c";
       return f;
     }(),
     {""},
     {0, 0},
     {0, 0},
     {R"(<a href="u" target="_blank" style="s" name="n" class="c"></A>)"}},
};

class LinkWrap : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LinkWrap, WrapsTheSelection) {
  const LinkCase& c = GetParam();
  ASSERT_FALSE(linkCheck(c.fields).has_value());
  TextBuffer buffer(c.document);
  buffer.select(c.anchor, c.caret);
  insertMarkup(buffer, linkMarkup(c.fields));
  EXPECT_EQ(buffer.lines(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkWrap, ::testing::ValuesIn(kLinkCases),
                         [](const auto& row) { return row.param.name; });

TEST(LinkCheckTest, EmptyLinkToIsRefusedOthersAreNot) {
  EXPECT_EQ(linkCheck(link("")), refuse("Please specify a file to link to"));
  LinkFields onlyOthers;
  onlyOthers.target = "_top";
  onlyOthers.name = "n";
  EXPECT_TRUE(linkCheck(onlyOthers).has_value());
  EXPECT_FALSE(linkCheck(link("mailto:")).has_value());
}

}  // namespace
}  // namespace markloom::tags
