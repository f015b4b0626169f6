// The blank rules: runs of blanks collapse and blanks between tags go.
#include "core/compress/html_compress.h"
#include "core/compress/in_place_edit.h"

namespace markloom::compress_pass {

void spacePass(std::string& buf) {
  // The blank rules run as one scan: a run of blanks becomes one blank, or
  // goes entirely before a '>'; the blanks between a '>' and a following table,
  // list or paragraph tag go, and that tag's letter is written in lower case.
  // Each rule only removes blanks or changes one letter's case, so none of them
  // moves a protected element's bounds, and doing them in one scan gives what
  // doing them one after the other does.
  InPlace s(buf);
  const std::string_view t = s.text();
  const std::size_t n = t.size();
  scan::StopSet candidates;
  candidates.add(' ', ' ');
  candidates.add(' ', '>');
  candidates.add('>', ' ');
  scan::StopSet guards;
  guards.add('<', 't', 'e');
  guards.add('<', 'p', 'r');
  guards.add('<', 's', 'c');
  guards.add('<', '?');
  guards.add('<', '%');
  auto blanksFrom = [&](std::size_t p) {
    while (p < n && t[p] == ' ') ++p;
    return p;
  };
  auto tableListParagraph = [&](char c) {
    c = scan::lower(c);
    return c == 't' || c == 'l' || c == 'p';
  };
  std::size_t nextCandidate = 0;
  while (!s.atEnd()) {
    if (nextCandidate < s.r()) nextCandidate = candidates.next(t, s.r(), n);
    if (nextCandidate >= n) break;
    std::size_t i = guards.next(t, s.r(), nextCandidate);
    s.keep(i);
    if (t[i] == '<') {
      if (scan::startsWith(t, i, "<textarea") && !passElement(s, "</textarea>")) return;
      if (scan::startsWith(t, s.r(), "<pre") && !passElement(s, "</pre>")) return;
      if (scan::startsWith(t, s.r(), "<script") && !passElement(s, "</script>")) return;
      if (scan::serverOpenerAt(t, s.r()) && !passServerBlock(s)) return;
      i = s.r();
    }
    if (t[i] == ' ') {
      const std::size_t j = blanksFrom(i);
      if (j < n && t[j] == '>') {
        s.drop(j);
      } else {
        s.keep(i + 1);
        if (j > i + 1) s.drop(j);
      }
      continue;
    }
    if (t[i] == '>') {
      const std::size_t j = blanksFrom(i + 1);
      if (j > i + 1 && j + 1 < n && t[j] == '<') {
        std::size_t letter = j + 1;
        if (t[letter] == '/') ++letter;
        if (letter < n && tableListParagraph(t[letter])) {
          s.keep(i + 1);
          s.drop(j);
          buf[letter] = scan::lower(t[letter]);
          continue;
        }
      }
    }
    s.keep(i + 1);
  }
}

}  // namespace markloom::compress_pass
