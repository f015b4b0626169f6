// The list and template files as the editor and Preferences read them: the
// codec is the file's own, every byte comes back as it was, and a changed list
// that its codec cannot hold is written in UTF-8.
#include "core/document/data_file_text.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

struct Case {
  const char* name;
  std::vector<std::string> bytes;
  TextEncoding encoding;
  std::vector<std::string> utf8;
};

const Case kCases[] = {
    {"Ascii", {"a href=\"\"", "b"}, TextEncoding::Utf8, {"a href=\"\"", "b"}},
    {"Utf8", {"caf\xc3\xa9", "\xc2\xa9 \xe2\x82\xac"}, TextEncoding::Utf8, {"caf\xc3\xa9", "\xc2\xa9 \xe2\x82\xac"}},
    {"EightBit", {"caf\xe9", "\xa9 \x80"}, TextEncoding::EightBit, {"caf\xc3\xa9", "\xc2\xa9 \xe2\x82\xac"}},
    // One entry that is not UTF-8 makes the whole file 8-bit, as a document.
    {"Mixed", {"\xc3\xa9", "\xe9"}, TextEncoding::EightBit, {"\xc3\x83\xc2\xa9", "\xc3\xa9"}},
    // Bytes Windows-1252 leaves unassigned still come back.
    {"Unassigned", {"\x81\x8d\x8f\x90\x9d"}, TextEncoding::EightBit, {"\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d"}},
    {"Empty", {}, TextEncoding::Utf8, {}},
};

TEST(DataFileText, ListsDecodeWithTheFilesCodecAndComeBackByteForByte) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const TextCodec codec = detectListCodec(c.bytes);
    EXPECT_EQ(codec.encoding(), c.encoding);
    const std::vector<std::string> utf8 = decodeEntries(codec, c.bytes);
    EXPECT_EQ(utf8, c.utf8);
    EXPECT_EQ(codecToWrite(codec, utf8), codec);
    EXPECT_EQ(encodeEntries(codecToWrite(codec, utf8), utf8), c.bytes);
  }
}

TEST(DataFileText, TemplatesDecodeWithTheFilesCodecAndComeBackByteForByte) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<TagTemplate> bytes;
    for (const std::string& b : c.bytes) bytes.push_back({"n", b, b + "\r\n" + b});
    const TextCodec codec = detectTemplateCodec(bytes);
    EXPECT_EQ(codec.encoding(), c.encoding);
    const std::vector<TagTemplate> utf8 = decodeTemplates(codec, bytes);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
      EXPECT_EQ(utf8[i].description, c.utf8[i]);
      EXPECT_EQ(utf8[i].code, c.utf8[i] + "\r\n" + c.utf8[i]);
    }
    EXPECT_EQ(encodeTemplates(codecToWrite(codec, utf8), utf8), bytes);
  }
}

TEST(DataFileText, ACharacterTheFilesCodecCannotHoldIsWrittenInUtf8) {
  const TextCodec eightBit(TextEncoding::EightBit);
  const std::vector<std::string> holdable{"caf\xc3\xa9", "\xe2\x82\xac"};  // café, €
  const std::vector<std::string> arrow{"caf\xc3\xa9", "\xe2\x86\x92"};     // café, →
  EXPECT_EQ(codecToWrite(eightBit, holdable).encoding(), TextEncoding::EightBit);
  EXPECT_EQ(encodeEntries(codecToWrite(eightBit, holdable), holdable), (std::vector<std::string>{"caf\xe9", "\x80"}));
  EXPECT_EQ(codecToWrite(eightBit, arrow).encoding(), TextEncoding::Utf8);
  EXPECT_EQ(encodeEntries(codecToWrite(eightBit, arrow), arrow), arrow);
  // Text that only looks like a character reference is text like any other.
  const std::vector<std::string> reference{"&#8594;"};
  EXPECT_EQ(codecToWrite(eightBit, reference).encoding(), TextEncoding::EightBit);
  const std::vector<TagTemplate> templates{{"arrow", "", "\xe2\x86\x92"}};
  EXPECT_EQ(codecToWrite(eightBit, templates).encoding(), TextEncoding::Utf8);
}

}  // namespace
}  // namespace markloom
