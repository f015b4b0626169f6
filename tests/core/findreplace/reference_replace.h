#pragma once
// The replace procedure done the plain way, on the whole text at once: search a
// working copy (folded when ignoring case), delete and insert in both copies at
// the same place. Quadratic, but obviously right; the streaming engine must
// agree with it byte for byte.
#include <functional>
#include <string>
#include <vector>

#include "core/findreplace/replace_options.h"
#include "core/findreplace/word_bytes.h"

namespace markloom::test {

struct ReferenceResult {
  std::string text;
  long long occurrences = 0;
  std::vector<std::string> contexts;  // every context line asked about, in order
};

inline std::string referenceContext(const std::string& text, std::size_t at) {
  std::size_t start = at;
  while (start > 0 && text[start - 1] != '\n' && text[start - 1] != '\r') --start;
  std::size_t end = start;
  while (end < text.size() && end - start < 200 && text[end] != '\n' && text[end] != '\r') ++end;
  std::size_t lead = start;
  while (lead < end && static_cast<unsigned char>(text[lead]) <= ' ') ++lead;
  return text.substr(lead, end - lead);
}

inline ReferenceResult referenceReplace(std::string text, const ReplaceOptions& o,
                                        const std::function<PromptAnswer(const std::string&)>& ask) {
  ReferenceResult r;
  if (o.find.empty()) {
    r.text = std::move(text);
    return r;
  }
  std::string work = o.ignoreCase ? folded(text) : text;
  const std::string needle = o.ignoreCase ? folded(o.find) : o.find;
  bool asking = o.prompt;
  std::size_t p = 0;
  while ((p = work.find(needle, p)) != std::string::npos) {
    if (o.wholeWords) {
      const bool before = p == 0 || !isWordByte(static_cast<unsigned char>(work[p - 1]));
      const std::size_t after = p + needle.size();
      const bool afterOk = after >= work.size() || !isWordByte(static_cast<unsigned char>(work[after]));
      if (!before || !afterOk) {
        ++p;
        continue;
      }
    }
    if (asking) {
      r.contexts.push_back(referenceContext(text, p));
      const PromptAnswer a = ask(r.contexts.back());
      if (a == PromptAnswer::No) {
        ++p;
        continue;
      }
      if (a == PromptAnswer::Cancel) break;
      if (a == PromptAnswer::All) asking = false;
    }
    text.replace(p, needle.size(), o.replace);
    work.replace(p, needle.size(), o.replace);
    p += o.replace.size();
    ++r.occurrences;
  }
  r.text = std::move(text);
  return r;
}

}  // namespace markloom::test
