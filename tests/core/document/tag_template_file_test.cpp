#include "core/document/tag_template_file.h"

#include <gtest/gtest.h>

#include "core/common/error.h"
#include "support/scratch_folder.h"

namespace markloom {
namespace {

// Two templates written by hand, byte by byte: one with every field and two
// code lines, one with a name only.
std::string handAssembled() {
  std::string s = "TPF0";
  s += "\x0bTPersHolder";
  s += '\0';
  s += "\x01P";
  s += '\x0e';
  s += '\x01';  // item
  s += "\x04Name";
  s += '\x06';
  s += "\x05table";
  s += "\x0b"
       "Description";
  s += '\x06';
  s += "\x0b"
       "basic table";
  s += "\x0c"
       "Code.Strings";
  s += '\x01';
  s += '\x06';
  s += "\x07<table>";
  s += '\x06';
  s += "\x08</table>";
  s += '\0';  // list end
  s += '\0';  // item end
  s += '\x01';
  s += "\x04Name";
  s += '\x06';
  s += "\x02hr";
  s += '\0';
  s += '\0';  // collection end
  s += '\0';
  s += '\0';
  return s;
}

const std::vector<TagTemplate> kTwo = {{"table", "basic table", "<table>\r\n</table>"}, {"hr", "", ""}};

TEST(TagTemplateFile, WritesTheHandAssembledStreamAndReadsItBack) {
  EXPECT_EQ(encodeTagTemplates(kTwo), handAssembled());
  EXPECT_EQ(decodeTagTemplates(handAssembled()), kTwo);
}

TEST(TagTemplateFile, EmptyCollection) {
  const std::string bytes = encodeTagTemplates({});
  EXPECT_EQ(bytes, std::string("TPF0\x0bTPersHolder\0\x01P\x0e\0\0\0", 23));
  EXPECT_TRUE(decodeTagTemplates(bytes).empty());
}

TEST(TagTemplateFile, TextsOver255CharactersTakeTheLongForm) {
  const std::string line(300, 'x');
  const std::vector<TagTemplate> one = {{"long", std::string(256, 'd'), line + "\r\n" + line}};
  const std::string bytes = encodeTagTemplates(one);
  // Description: type 12, then 256 as four little-endian bytes.
  EXPECT_NE(bytes.find(std::string("Description\x0c\x00\x01\x00\x00", 16)), std::string::npos);
  EXPECT_EQ(decodeTagTemplates(bytes), one);
}

TEST(TagTemplateFile, CodeLinesEndingInAnyStyleAreWrittenAsLines) {
  const std::vector<TagTemplate> lf = {{"a", "", "one\ntwo\rthree"}};
  EXPECT_EQ(decodeTagTemplates(encodeTagTemplates(lf))[0].code, "one\r\ntwo\r\nthree");
}

TEST(TagTemplateFile, TrailingAndEmptyCodeLinesSurviveEveryRoundTrip) {
  for (const std::string code : {"<p>\r\n", "<p>\r\n\r\n", "\r\n", "\r\n<p>", "a\r\n\r\nb"}) {
    std::vector<TagTemplate> t = {{"p", "", code}};
    for (int round = 0; round < 3; ++round) t = decodeTagTemplates(encodeTagTemplates(t));
    EXPECT_EQ(t[0].code, code);
  }
}

TEST(TagTemplateFile, DamagedStreamsRaiseAnErrorSayingWhere) {
  const std::string good = handAssembled();
  struct Case {
    const char* what;
    std::string bytes;
    const char* message;
  };
  std::string badType = good;
  badType[good.find("\x05table") - 1] = '\x07';
  std::string badProperty = good;
  badProperty.replace(good.find("Name"), 4, "Nome");
  const Case cases[] = {
      {"empty", "", "not a template file"},
      {"other signature", "TPF1" + good.substr(4), "not a template file"},
      {"other class", "TPF0\x0bTPersHoldar" + good.substr(16), "expected the class name"},
      {"value type", badType, "expected a text value (type 7) at byte"},
      {"property", badProperty, "unknown template property \"Nome\""},
      {"trailing bytes", good + "x", "unexpected bytes after the end of the stream"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      decodeTagTemplates(c.bytes);
      ADD_FAILURE() << "no error";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
  // Every truncation is an error, never a crash or a partial list.
  for (std::size_t n = 0; n < good.size(); ++n) EXPECT_THROW(decodeTagTemplates(good.substr(0, n)), Error) << n;
}

TEST(TagTemplateFile, FilesNameThemselvesInErrors) {
  test::ScratchFolder folder("tagtmp");
  const std::string path = (folder.path() / "tagtmp.qdf").string();
  EXPECT_THROW(
      try { readTagTemplates(path); } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
        throw;
      },
      Error);

  writeTagTemplates(path, kTwo);
  EXPECT_EQ(readTagTemplates(path), kTwo);

  folder.write("tagtmp.qdf", "TPF0\x0b");
  try {
    readTagTemplates(path);
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot read templates from file " + path + ": the file ends too early at byte 5");
  }
}

}  // namespace
}  // namespace markloom
