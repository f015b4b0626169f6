#include <gtest/gtest.h>

#include <string>

#include "core/wml/page_json.h"

namespace markloom {
namespace {

WmlItem item(WmlItemKind kind, int x, int y, int w, int h, std::string text = {}) {
  WmlItem i;
  i.kind = kind;
  i.x = x;
  i.y = y;
  i.width = w;
  i.height = h;
  i.text = std::move(text);
  return i;
}

WmlItem picture(WmlItemKind kind, int x, int y, int w, int h, std::string source, std::string path) {
  WmlItem i = item(kind, x, y, w, h, std::move(source));
  i.path = std::move(path);
  return i;
}

TEST(PageJson, WindowLineThenOneLinePerItem) {
  WmlPage page;
  page.caption = "Caf\xC3\xA9 \"1\" - WAP Viewer";
  page.clientWidth = 199;
  page.clientHeight = 303;
  WmlItem link = item(WmlItemKind::Label, 2, 2, 30, 15, "a\\b\n\x01");
  link.font = {"Arial", 10, false, false, true};
  link.link = "#next";
  WmlItem option = item(WmlItemKind::OptionButton, 2, 20, 197, 17, "one");
  option.font = {"Sans", 9, true, true, false};
  page.items = {link,
                option,
                item(WmlItemKind::Rule, 2, 24, 179, 3),
                item(WmlItemKind::TextField, 2, 30, 179, 19),
                picture(WmlItemKind::Picture, 8, 2, 20, 10, "a.png", "/p/a.png"),
                picture(WmlItemKind::PictureBox, 28, 2, 8, 4, "b.wbmp", "/p/b\xE9.wbmp"),
                item(WmlItemKind::MissingPicture, 36, 2, 12, 12, "gone\xE9.gif")};
  EXPECT_EQ(
      pageJson(page),
      "{\"kind\":\"window\",\"x\":0,\"y\":0,\"w\":199,\"h\":303,\"text\":\"Caf\xC3\xA9 \\\"1\\\" - WAP "
      "Viewer\",\"font\":null,\"link\":null,\"path\":null}\n"
      "{\"kind\":\"label\",\"x\":2,\"y\":2,\"w\":30,\"h\":15,\"text\":\"a\\\\b\\n\\u0001\",\"font\":{\"family\":"
      "\"Arial\",\"points\":10,\"bold\":false,\"italic\":false,\"underline\":true},\"link\":\"#next\",\"path\":null}\n"
      "{\"kind\":\"option\",\"x\":2,\"y\":20,\"w\":197,\"h\":17,\"text\":\"one\",\"font\":{\"family\":\"Sans\","
      "\"points\":9,\"bold\":true,\"italic\":true,\"underline\":false},\"link\":null,\"path\":null}\n"
      "{\"kind\":\"rule\",\"x\":2,\"y\":24,\"w\":179,\"h\":3,\"text\":\"\",\"font\":null,\"link\":null,\"path\":null}\n"
      "{\"kind\":\"text-field\",\"x\":2,\"y\":30,\"w\":179,\"h\":19,\"text\":\"\",\"font\":null,\"link\":null,"
      "\"path\":null}\n"
      // A picture: its source value as text, the file it was found in as path.
      "{\"kind\":\"picture\",\"x\":8,\"y\":2,\"w\":20,\"h\":10,\"text\":\"a.png\",\"font\":null,\"link\":null,"
      "\"path\":\"/p/a.png\"}\n"
      // A file name that is not UTF-8 is shown as 8-bit text rather than breaking the JSON.
      "{\"kind\":\"picture-box\",\"x\":28,\"y\":2,\"w\":8,\"h\":4,\"text\":\"b.wbmp\",\"font\":null,\"link\":"
      "null,\"path\":\"/p/b\xC3\xA9.wbmp\"}\n"
      "{\"kind\":\"missing-picture\",\"x\":36,\"y\":2,\"w\":12,\"h\":12,\"text\":\"gone\xC3\xA9.gif\",\"font\":"
      "null,\"link\":null,\"path\":null}\n");
}

TEST(PageJson, EmptyLinkTargetIsAString) {
  WmlItem label = item(WmlItemKind::Label, 2, 2, 6, 15, "x");
  label.font = {"Arial", 10};
  label.link = "";
  EXPECT_NE(itemJson(label).find("\"link\":\"\","), std::string::npos) << itemJson(label);
}

}  // namespace
}  // namespace markloom
