// The replace pass: one search text replaced, or deleted beside tag edges,
// blanks and line breaks, outside the parts of the page it protects.
#include "core/compress/html_compress.h"
#include "core/compress/in_place_edit.h"

namespace markloom::compress_pass {
namespace {

bool isDeleteNeighbourAfter(char c) { return c == '<' || c == ' ' || c == '\r' || c == '\n'; }

// Whether the tag at lt may start a TEXTAREA, PRE or SCRIPT element the pass
// protects, or a server-side block.
bool mayOpenProtected(std::string_view t, std::size_t lt, const ReplaceRule& rule) {
  if (lt + 1 >= t.size()) return false;
  const char c1 = scan::lower(t[lt + 1]);
  if (c1 == '?' || c1 == '%') return true;
  if (lt + 2 >= t.size()) return false;
  const char c2 = scan::lower(t[lt + 2]);
  if (rule.blockProtection && ((c1 == 't' && c2 == 'e') || (c1 == 'p' && c2 == 'r'))) return true;
  return rule.scriptProtection && c1 == 's' && c2 == 'c';
}

// Next "<!--webbot" at or after from; npos if none.
std::size_t findWebbot(std::string_view t, std::size_t from) {
  for (std::size_t p = t.find("<!--", from); p != std::string_view::npos; p = t.find("<!--", p + 1)) {
    if (scan::startsWith(t, p + 4, "webbot")) return p;
  }
  return scan::npos;
}

}  // namespace

void replacePass(std::string& buf, const ReplaceRule& rule) {
  InPlace s(buf);
  const std::string_view search = rule.search;
  const bool crPass = search[0] == '\r';
  const bool webbots = crPass && rule.webbots;
  const std::string_view t = s.text();
  const std::size_t n = t.size();

  // Where the search text may start, and where a protected element or (in CR
  // passes) any tag starts. Nothing else can change the text or the scan.
  scan::StopSet candidates;
  candidates.add(search[0], search.size() > 1 ? search[1] : 0, search.size() > 2 ? search[2] : 0);
  scan::StopSet guards;
  if (crPass) {
    guards.add('<');
  } else {
    if (rule.blockProtection) {
      guards.add('<', 't', 'e');
      guards.add('<', 'p', 'r');
    }
    if (rule.scriptProtection) guards.add('<', 's', 'c');
    guards.add('<', '?');
    guards.add('<', '%');
  }

  std::size_t nextCandidate = 0;
  bool stale = true;
  std::size_t nextWebbot = webbots ? findWebbot(t, 0) : scan::npos;
  while (!s.atEnd()) {
    if (stale || nextCandidate < s.r()) nextCandidate = candidates.next(t, s.r(), n);
    stale = false;
    if (nextWebbot != scan::npos && nextWebbot < s.r()) nextWebbot = findWebbot(t, s.r());
    const std::size_t limit = nextWebbot < nextCandidate ? nextWebbot : nextCandidate;
    if (limit >= n) break;  // nothing left that could change
    if (crPass) {
      // Walk over the plain tags before the limit in one go: each is passed
      // over to its '>'. A tag that may open a protected element is left to
      // the full rules below.
      const std::size_t p =
          scan::walkTags(t, s.r(), limit, [&](std::size_t lt) { return mayOpenProtected(t, lt, rule); });
      if (p == scan::npos) return;  // a tag without '>': the rest stays as it is
      s.keep(p);
      if (p > limit) continue;
    }
    std::size_t i = guards.next(t, s.r(), limit);
    s.keep(i);
    if (t[i] == '<') {
      if (rule.blockProtection) {
        if (scan::startsWith(t, i, "<textarea") && !passElement(s, "</textarea>")) return;
        if (scan::startsWith(t, s.r(), "<pre") && !passElement(s, "</pre>")) return;
      }
      if (rule.scriptProtection && scan::startsWith(t, s.r(), "<script") && !passElement(s, "</script>")) return;
      if (scan::serverOpenerAt(t, s.r()) && !passServerBlock(s)) return;
      i = s.r();
    }
    if (scan::startsWith(t, i, search)) {
      if (!rule.replacement.empty()) {
        s.replaceAndStay(search.size(), rule.replacement);
        stale = true;
        continue;
      }
      const std::size_t a = i + search.size();
      const bool byBefore = s.hasBefore() && (s.before() == '>' || s.before() == ' ');
      const bool byAfter = a < n && isDeleteNeighbourAfter(t[a]);
      if (byBefore || byAfter) {
        s.drop(a);
        stale = true;
        continue;
      }
    }
    if (crPass && t[i] == '<') {
      // Tags keep their line breaks: pass over to the next '>'.
      std::size_t from = i;
      if (webbots && i == nextWebbot) {
        const std::size_t g = scan::findByte(t, '>', i);
        if (g != scan::npos) {
          // The comment goes; the scan then stands as many bytes further on as
          // the comment was long (the position is not moved back).
          s.drop(g + 1);
          s.keep(g + 1 + (g + 1 - i));
          from = s.r();
        }
      }
      const std::size_t q = scan::findByte(t, '>', from);
      if (q == scan::npos) return;
      s.keep(q + 1);
      continue;
    }
    s.keep(i + 1);
  }
}

}  // namespace markloom::compress_pass
