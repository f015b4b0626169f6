#pragma once
// The spell checker's dictionaries on Hunspell: the main dictionary is the
// Hunspell pair beside the configured path (english.dic with english.aff) or,
// when that is missing, the installed English dictionary; the custom
// dictionary is a plain word list, one word a line, that "Add" appends to.
#include <memory>
#include <string>

#include "core/document/spell_session.h"
#include "core/document/spell_setup.h"
#include "core/text/text_codec.h"

class Hunspell;

namespace markloom {

class HunspellDictionary : public SpellDictionary {
 public:
  // textCodec: how the checked text is encoded (the document's codec).
  // Raises cannotOpenFile(main dictionary) when no dictionary can be found.
  HunspellDictionary(const SpellSetup& setup, TextCodec textCodec);
  ~HunspellDictionary() override;

  bool isCorrect(std::string_view word) override;
  std::vector<std::string> suggest(std::string_view word) override;
  void addWord(const std::string& word) override;

  // The .dic file in use (for messages and tests).
  const std::string& mainDictionaryFile() const { return dicPath_; }

 private:
  std::string toDictionary(std::string_view word) const;
  std::string fromDictionary(const std::string& word) const;

  std::unique_ptr<Hunspell> hunspell_;
  std::string dicPath_;
  std::string customPath_;
  TextCodec textCodec_;
  std::string dictionaryEncoding_;  // as the affix file names it
  bool dictionaryIsUtf8_ = true;
};

}  // namespace markloom
