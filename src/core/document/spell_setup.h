#pragma once
// What a document window gives its spell checker: the two dictionaries and the
// seven checking options.
#include <string>

namespace markloom {

struct SpellOptions {
  bool ignoreAllUppercase = false;
  bool ignoreNumbers = false;            // words containing digits
  bool ignoreBrackets = false;           // text inside (), [], {} and <>
  bool ignoreFilenames = false;          // words with a path separator or a dotted extension
  bool ignoreInternetAddresses = false;  // web and mail addresses
  bool reportDuplicateSpaces = false;
  bool reportDuplicateWords = false;
  bool checkMarkup = false;  // off: tags, comments, script and style content and entity names are skipped
  bool operator==(const SpellOptions&) const = default;
};

struct SpellSetup {
  std::string mainDictionary;    // stands for english.dic: the installed English dictionary is used
  std::string customDictionary;  // a plain word list, one word a line
  SpellOptions options;
};

}  // namespace markloom
