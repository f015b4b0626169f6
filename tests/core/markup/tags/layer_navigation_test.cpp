// The layer, navigation menu and visual layer builders.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/error.h"
#include "core/markup/tags/layer_builder.h"
#include "core/markup/tags/navigation_menu_builder.h"
#include "core/markup/tags/visual_layers_builder.h"

namespace markloom::tags {
namespace {

struct LayerCase {
  std::string name;
  LayerFields fields;
  std::string expected;
};
void PrintTo(const LayerCase& c, std::ostream* os) { *os << c.name; }

LayerFields layer(std::string tag, std::string name, std::string color) {
  LayerFields f;
  f.tag = std::move(tag);
  f.name = std::move(name);
  f.color = std::move(color);
  return f;
}

const std::vector<LayerCase> kLayerCases = {
    {"InitialValuesDivL1Red", layer("div", "L1", "red"),
     R"(<div id="L1" style="position:absolute; top: 0px; left: 0px; height: 100px; width: 100px; background-color: red;"></div>)"},
    {"TopWithoutSemicolon",
     [] {
       auto f = layer("div", "L1", "red");
       f.top = "10px";
       return f;
     }(),
     R"(<div id="L1" style="position:absolute; top: 10px left: 0px; height: 100px; width: 100px; background-color: red;"></div>)"},
    {"EmptyFieldsWrittenToo",
     [] {
       auto f = layer("span", "", "");
       f.width = "";
       return f;
     }(),
     R"(<span id="" style="position:absolute; top: 0px; left: 0px; height: 100px; width:  background-color: ;"></span>)"},
};

class LayerMarkup : public ::testing::TestWithParam<LayerCase> {};

TEST_P(LayerMarkup, BuildsTheElement) {
  EXPECT_FALSE(layerCheck(GetParam().fields).has_value());
  EXPECT_EQ(layerMarkup(GetParam().fields), snippet(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, LayerMarkup, ::testing::ValuesIn(kLayerCases),
                         [](const auto& row) { return row.param.name; });

TEST(LayerCheckTest, EmptyTagIsRefused) {
  EXPECT_EQ(layerCheck(layer("", "L1", "red")), refuse("Please choose a tag type."));
}

struct NavigationCase {
  std::string name;
  NavigationFields fields;
  std::vector<std::string> expected;
};
void PrintTo(const NavigationCase& c, std::ostream* os) { *os << c.name; }

const std::vector<NavigationCase> kNavigationCases = {
    {"ThreeItemsOneEmpty",
     {"3", "menu1", {{"Home", "index.htm"}, {"News", "news.htm"}, {"", ""}}},
     {"<form>",
      R"(<select name="menu1" onChange='top.location.href=this.form.menu1.options[this.form.menu1.selectedIndex].value'>)",
      "<option value='#'>Select Item", R"(<option value="index.htm">Home)", R"(<option value="news.htm">News)",
      R"(<option value="">)", "</select>", "</form>"}},
    {"EmptyNameAccepted",
     {"1", "", {{"", ""}}},
     {"<form>", R"(<select name="" onChange='top.location.href=this.form..options[this.form..selectedIndex].value'>)",
      "<option value='#'>Select Item", R"(<option value="">)", "</select>", "</form>"}},
    {"CellsUnchanged",
     {"1", "m", {{"A & <B>", "x.htm?a=1&b=\"2\""}}},
     {"<form>",
      R"(<select name="m" onChange='top.location.href=this.form.m.options[this.form.m.selectedIndex].value'>)",
      "<option value='#'>Select Item", R"(<option value="x.htm?a=1&b="2"">A & <B>)", "</select>", "</form>"}},
};

class NavigationMarkup : public ::testing::TestWithParam<NavigationCase> {};

TEST_P(NavigationMarkup, BuildsTheMenu) { EXPECT_EQ(navigationMarkup(GetParam().fields), block(GetParam().expected)); }

INSTANTIATE_TEST_SUITE_P(Cases, NavigationMarkup, ::testing::ValuesIn(kNavigationCases),
                         [](const auto& row) { return row.param.name; });

TEST(NavigationRowsTest, ItemsTextGivesRowsPlusHeader) {
  EXPECT_EQ(navigationGridRows("1"), 2);
  EXPECT_EQ(navigationGridRows("3"), 4);
  EXPECT_EQ(navigationGridRows("0"), 2);
  EXPECT_EQ(navigationGridRows("40000"), 32768);
  try {
    navigationGridRows("3a");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'3a' is not a valid integer value");
  }
}

TEST(VisualLayersTest, MostRecentFirstWithHexColours) {
  const VisualLayerFields layers{{{0, 0, 65, 65, 255, 0, 0}, {12, 30, 80, 40, 0, 0, 255}}};
  EXPECT_EQ(visualLayersMarkup(layers).text,
            "<DIV ID=\"NAME\" STYLE=\"top: 30; left: 12; width: 80; height: 40; background: #0000FF;\"></DIV>\r\n"
            "<DIV ID=\"NAME\" STYLE=\"top: 0; left: 0; width: 65; height: 65; background: #FF0000;\"></DIV>\r\n");
}

TEST(VisualLayersTest, NoLayersNoText) { EXPECT_EQ(visualLayersMarkup({}), snippet("")); }

TEST(VisualLayersTest, ColourDigitsAreUpperCaseTwoEach) {
  EXPECT_EQ(htmlColour({0, 0, 0, 0, 0x0a, 0xbc, 0x5}), "#0ABC05");
}

}  // namespace
}  // namespace markloom::tags
