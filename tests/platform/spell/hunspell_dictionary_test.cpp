// The Hunspell dictionaries on real words.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>

#include "core/common/error.h"
#include "core/text/file_io.h"
#include "platform/spell/hunspell_dictionary.h"

namespace markloom {
namespace {

class Dictionary : public ::testing::Test {
 protected:
  SpellSetup setup() const {
    SpellSetup s;
    s.mainDictionary = dir.filePath("english.dic").toStdString();  // absent: the installed one stands in
    s.customDictionary = dir.filePath("custom.dic").toStdString();
    return s;
  }
  QTemporaryDir dir;
};

TEST_F(Dictionary, KnowsEnglishAndSuggests) {
  HunspellDictionary d(setup(), TextCodec(TextEncoding::Utf8));
  EXPECT_TRUE(d.isCorrect("quick"));
  EXPECT_TRUE(d.isCorrect("doesn't"));
  EXPECT_FALSE(d.isCorrect("qwick"));
  const auto s = d.suggest("recieve");
  EXPECT_NE(std::find(s.begin(), s.end(), "receive"), s.end());
}

TEST_F(Dictionary, EightBitTextIsConvertedForTheDictionary) {
  writeFileAtomically(setup().customDictionary,
                      "Gr\xC3\xBC\xC3\x9F"
                      "e\r\n");  // UTF-8 word list
  HunspellDictionary d(setup(), TextCodec(TextEncoding::EightBit));
  EXPECT_TRUE(
      d.isCorrect("Gr\xFC\xDF"
                  "e"));  // the same word in Windows-1252
  EXPECT_FALSE(
      d.isCorrect("Gr\xFC\xDF"
                  "en"));
  EXPECT_TRUE(d.isCorrect("quick"));
}

TEST_F(Dictionary, CustomWordsAreReadAndAdded) {
  writeFileAtomically(setup().customDictionary, "Markloom\r\nzyxxy\r\n");
  HunspellDictionary d(setup(), TextCodec(TextEncoding::Utf8));
  EXPECT_TRUE(d.isCorrect("Markloom"));
  EXPECT_TRUE(d.isCorrect("zyxxy"));
  d.addWord("qqfoo");
  EXPECT_TRUE(d.isCorrect("qqfoo"));
  EXPECT_EQ(readFile(setup().customDictionary), "Markloom\r\nzyxxy\r\nqqfoo\r\n");
}

TEST_F(Dictionary, AMainDictionaryBesideTheProgramIsPreferred) {
  writeFileAtomically(dir.filePath("english.aff").toStdString(), "SET UTF-8\n");
  writeFileAtomically(dir.filePath("english.dic").toStdString(), "1\nflibber\n");
  HunspellDictionary d(setup(), TextCodec(TextEncoding::Utf8));
  EXPECT_EQ(d.mainDictionaryFile(), setup().mainDictionary);
  EXPECT_TRUE(d.isCorrect("flibber"));
  EXPECT_FALSE(d.isCorrect("quick"));
}

}  // namespace
}  // namespace markloom
