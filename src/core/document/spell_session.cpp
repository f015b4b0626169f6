#include "core/document/spell_session.h"

#include <algorithm>

#include "core/document/markup_spans.h"
#include "core/document/url_scan.h"

namespace markloom {

namespace {

bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80; }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A whitespace-separated piece that reads as a file name or path.
bool looksLikeFileName(std::string_view token) {
  if (token.find('/') != std::string_view::npos || token.find('\\') != std::string_view::npos) return true;
  // name.ext: a dot followed by 1 to 4 letters or digits at the end.
  const auto dot = token.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return false;
  std::size_t end = token.size();
  while (end > dot + 1 && !isLetter(static_cast<unsigned char>(token[end - 1])) &&
         !isDigit(static_cast<unsigned char>(token[end - 1])))
    --end;
  const std::size_t ext = end - dot - 1;
  if (ext < 1 || ext > 4 || end != token.size()) return false;
  for (std::size_t i = dot + 1; i < end; ++i)
    if (!isLetter(static_cast<unsigned char>(token[i])) && !isDigit(static_cast<unsigned char>(token[i]))) return false;
  return isLetter(static_cast<unsigned char>(token[dot - 1])) || isDigit(static_cast<unsigned char>(token[dot - 1]));
}

bool looksLikeAddress(std::string_view token) {
  if (!findUrls(token).empty()) return true;
  const auto at = token.find('@');
  return at != std::string_view::npos && at > 0 && token.find('.', at) != std::string_view::npos;
}

}  // namespace

std::vector<SpellWord> spellWords(std::string_view text, const SpellOptions& options) {
  // Mark what the options take out of the check.
  std::vector<bool> skip(text.size(), false);
  if (!options.checkMarkup)
    for (const ByteSpan& span : markupSpans(text))
      for (std::size_t k = span.begin; k < span.end; ++k) skip[k] = true;
  if (options.ignoreBrackets) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (c == '(' || c == '[' || c == '{' || c == '<') ++depth;
      if (depth > 0) skip[i] = true;
      if ((c == ')' || c == ']' || c == '}' || c == '>') && depth > 0) --depth;
    }
  }
  if (options.ignoreFilenames || options.ignoreInternetAddresses) {
    std::size_t i = 0;
    while (i < text.size()) {
      while (i < text.size() && isBlank(static_cast<unsigned char>(text[i]))) ++i;
      std::size_t j = i;
      while (j < text.size() && !isBlank(static_cast<unsigned char>(text[j]))) ++j;
      const std::string_view token = text.substr(i, j - i);
      if ((options.ignoreInternetAddresses && looksLikeAddress(token)) ||
          (options.ignoreFilenames && looksLikeFileName(token)))
        for (std::size_t k = i; k < j; ++k) skip[k] = true;
      i = j;
    }
  }
  std::vector<SpellWord> words;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (!isLetter(c) && !isDigit(c)) {
      ++i;
      continue;
    }
    std::size_t j = i;
    bool digits = false, lower = false;
    while (j < text.size()) {
      const auto d = static_cast<unsigned char>(text[j]);
      if (isLetter(d) || isDigit(d)) {
        digits |= isDigit(d);
        lower |= (d >= 'a' && d <= 'z') || d >= 0x80;
        ++j;
      } else if (d == '\'' && j + 1 < text.size() && isLetter(static_cast<unsigned char>(text[j + 1])) && j > i) {
        ++j;  // don't, it's
      } else {
        break;
      }
    }
    bool skipped = false;
    for (std::size_t k = i; k < j && !skipped; ++k) skipped = skip[k];
    const bool allDigits = [&] {
      for (std::size_t k = i; k < j; ++k)
        if (!isDigit(static_cast<unsigned char>(text[k]))) return false;
      return true;
    }();
    if (!skipped && !allDigits && !(options.ignoreNumbers && digits) && !(options.ignoreAllUppercase && !lower))
      words.push_back({i, text.substr(i, j - i)});
    i = j;
  }
  return words;
}

SpellSession::SpellSession(SpellDictionary& dictionary, const SpellOptions& options)
    : dictionary_(dictionary), options_(options) {}

std::vector<SpellChange> SpellSession::run(std::string_view text, const Decide& decide) {
  std::vector<SpellChange> changes;
  stopped_ = false;
  // Issues in text order: doubled spaces interleave with words.
  std::vector<SpellIssue> spaces;
  if (options_.reportDuplicateSpaces) {
    // Blanks between attributes are layout of the markup, not of the prose.
    const std::vector<ByteSpan> markup = options_.checkMarkup ? std::vector<ByteSpan>{} : markupSpans(text);
    std::size_t nextSpan = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
      while (nextSpan < markup.size() && markup[nextSpan].end <= i) ++nextSpan;
      if (nextSpan < markup.size() && markup[nextSpan].begin <= i) {
        i = markup[nextSpan].end - 1;
        continue;
      }
      if (text[i] != ' ' || text[i + 1] != ' ') continue;
      std::size_t j = i;
      while (j < text.size() && text[j] == ' ') ++j;
      // Indentation at a line start is layout, not a typing slip.
      const bool lineStart = i == 0 || text[i - 1] == '\n' || text[i - 1] == '\r';
      if (!lineStart && j < text.size() && text[j] != '\r' && text[j] != '\n')
        spaces.push_back({SpellIssue::Kind::DoubledSpace, i, j - i, std::string(text.substr(i, j - i)), {" "}});
      i = j;
    }
  }
  const auto words = spellWords(text, options_);
  std::size_t nextSpace = 0;
  auto handle = [&](SpellIssue issue) {
    if (issue.kind == SpellIssue::Kind::Misspelled) {
      if (ignored_.count(issue.word)) return;
      if (auto it = changeAll_.find(issue.word); it != changeAll_.end()) {
        changes.push_back({issue.offset, issue.length, it->second});
        return;
      }
      issue.suggestions = dictionary_.suggest(issue.word);
    }
    const SpellDecision d = decide(issue);
    switch (d.action) {
      case SpellDecision::Action::Stop: stopped_ = true; break;
      case SpellDecision::Action::IgnoreAll: ignored_.insert(issue.word); break;
      case SpellDecision::Action::Add:
        dictionary_.addWord(issue.word);
        ignored_.insert(issue.word);
        break;
      case SpellDecision::Action::ChangeAll:
        if (issue.kind == SpellIssue::Kind::Misspelled) changeAll_[issue.word] = d.replacement;
        [[fallthrough]];
      case SpellDecision::Action::Change: changes.push_back({issue.offset, issue.length, d.replacement}); break;
      default: break;
    }
  };
  const SpellWord* previous = nullptr;
  for (const SpellWord& w : words) {
    while (nextSpace < spaces.size() && spaces[nextSpace].offset < w.offset && !stopped_) handle(spaces[nextSpace++]);
    if (stopped_) break;
    if (options_.reportDuplicateWords && previous && previous->word == w.word) {
      // Only blanks between the two: "the the".
      bool blanks = true;
      for (std::size_t k = previous->offset + previous->word.size(); k < w.offset && blanks; ++k)
        blanks = text[k] == ' ' || text[k] == '\t';
      if (blanks) {
        // Deleting the doubled word takes the blanks before it along.
        const std::size_t from = previous->offset + previous->word.size();
        handle({SpellIssue::Kind::DoubledWord,
                from,
                w.offset + w.word.size() - from,
                std::string(text.substr(from, w.offset + w.word.size() - from)),
                {""}});
        previous = &w;
        if (stopped_) break;
        continue;
      }
    }
    previous = &w;
    if (!dictionary_.isCorrect(w.word))
      handle({SpellIssue::Kind::Misspelled, w.offset, w.word.size(), std::string(w.word), {}});
    if (stopped_) break;
  }
  while (!stopped_ && nextSpace < spaces.size()) handle(spaces[nextSpace++]);
  std::stable_sort(changes.begin(), changes.end(),
                   [](const SpellChange& a, const SpellChange& b) { return a.offset < b.offset; });
  return changes;
}

std::string applySpellChanges(std::string_view text, const std::vector<SpellChange>& changes) {
  std::string out;
  std::size_t at = 0;
  for (const auto& c : changes) {
    if (c.offset < at) continue;  // overlapping: the first one wins
    out.append(text.substr(at, c.offset - at));
    out += c.replacement;
    at = c.offset + c.length;
  }
  out.append(text.substr(at));
  return out;
}

}  // namespace markloom
