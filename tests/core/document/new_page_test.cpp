#include "core/document/new_page.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

using Lines = std::vector<std::string>;

TEST(NewPage, Html5PageDeclaresItsLanguageAndUtf8) {
  EXPECT_EQ(newPageLines(NewPageFields{}),
            (Lines{"<!DOCTYPE html>", "", "<html lang=\"en\">", "<head>", "        <meta charset=\"utf-8\">",
                   "        <title>Untitled</title>", "</head>", "", "<body>", "", "", "", "</body>", "</html>"}));
}

TEST(NewPage, Html40PageWithoutFieldsIsTheNewWindowText) {
  EXPECT_EQ(newPageLines(NewPageFields{PageType::Html40Transitional, "", "", ""}), newPageLines());
}

TEST(NewPage, FieldsAreEscapedIntoTitleAndMetaTags) {
  const Lines lines = newPageLines({PageType::Html5, "Fish & <Chips>", "a, \"b\"", "x > y"});
  const Lines head(lines.begin() + 5, lines.begin() + 8);
  EXPECT_EQ(head, (Lines{"        <title>Fish &amp; &lt;Chips&gt;</title>",
                         "        <meta name=\"keywords\" content=\"a, &quot;b&quot;\">",
                         "        <meta name=\"description\" content=\"x &gt; y\">"}));
  EXPECT_EQ(lines[8], "</head>");
}

}  // namespace
}  // namespace markloom
