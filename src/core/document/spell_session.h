#pragma once
// One interactive spell check over a text: finds the words the dictionary does
// not know (and, when asked, doubled words and doubled spaces), asks what to do
// with each, and collects the changes. Text is bytes; the dictionary decides
// what a word is in its own encoding.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/spell_setup.h"

namespace markloom {

class SpellDictionary {
 public:
  virtual ~SpellDictionary() = default;
  virtual bool isCorrect(std::string_view word) = 0;
  virtual std::vector<std::string> suggest(std::string_view word) = 0;
  virtual void addWord(const std::string& word) = 0;  // to the custom dictionary
};

struct SpellIssue {
  enum class Kind { Misspelled, DoubledWord, DoubledSpace };
  Kind kind = Kind::Misspelled;
  std::size_t offset = 0;  // in the original text
  std::size_t length = 0;
  std::string word;  // the text at offset
  std::vector<std::string> suggestions;
};

struct SpellDecision {
  enum class Action { Ignore, IgnoreAll, Change, ChangeAll, Add, Stop };
  Action action = Action::Ignore;
  std::string replacement;  // for Change and ChangeAll ("" deletes a doubled word)
};

struct SpellChange {
  std::size_t offset, length;
  std::string replacement;
  bool operator==(const SpellChange&) const = default;
};

// The words of text with their offsets, after the ignore options took out
// addresses, file names, bracketed text, numbers and all-capital words.
struct SpellWord {
  std::size_t offset;
  std::string_view word;
};
std::vector<SpellWord> spellWords(std::string_view text, const SpellOptions& options);

class SpellSession {
 public:
  using Decide = std::function<SpellDecision(const SpellIssue&)>;
  SpellSession(SpellDictionary& dictionary, const SpellOptions& options);
  // Runs the check; returns the changes in text order (offsets into text).
  std::vector<SpellChange> run(std::string_view text, const Decide& decide);
  bool stopped() const { return stopped_; }

 private:
  SpellDictionary& dictionary_;
  SpellOptions options_;
  std::set<std::string> ignored_;
  std::map<std::string, std::string> changeAll_;
  bool stopped_ = false;
};

// text with changes applied (changes in text order, not overlapping).
std::string applySpellChanges(std::string_view text, const std::vector<SpellChange>& changes);

}  // namespace markloom
