#include "core/compress/html_compress.h"

#include <cstring>

#include "core/compress/byte_scan.h"

namespace markloom {
namespace {

// Each pass edits the buffer in place. The text before the scan position is
// buf[0, w) followed by buf[k, r) (bytes kept but not yet moved down); the text
// from the scan position on is buf[r, n). Bytes are moved only when something
// is dropped or replaced, so a pass that changes nothing moves nothing.
class InPlace {
 public:
  explicit InPlace(std::string& buf) : buf_(buf), n_(buf.size()) {}
  ~InPlace() {
    keepRest();
    flush();
    buf_.resize(w_);
  }

  std::string_view text() const { return {buf_.data(), n_}; }
  std::size_t size() const { return n_; }
  std::size_t r() const { return r_; }
  char at(std::size_t i) const { return buf_[i]; }
  bool atEnd() const { return r_ >= n_; }
  bool hasBefore() const { return r_ > k_ || w_ > 0; }
  char before() const { return r_ > k_ ? buf_[r_ - 1] : buf_[w_ - 1]; }

  // Keeps buf[r, to) unchanged and moves the scan position to `to`.
  void keep(std::size_t to) {
    if (to > n_) to = n_;
    if (to > r_) r_ = to;
  }
  void keepRest() { r_ = n_; }
  // Drops buf[r, to).
  void drop(std::size_t to) {
    flush();
    r_ = k_ = to;
  }
  // Replaces buf[r, r + len) by rep (no longer than len) and leaves the scan
  // position on the replacement, so it is examined again.
  void replaceAndStay(std::size_t len, std::string_view rep) {
    flush();
    r_ += len - rep.size();
    std::memcpy(&buf_[r_], rep.data(), rep.size());
    k_ = r_;
  }
  // Replaces buf[r, r + len) by rep and moves past it. The caller guarantees
  // that the output never overtakes the unread text.
  void replaceAndPass(std::size_t len, std::string_view rep) {
    flush();
    std::memcpy(&buf_[w_], rep.data(), rep.size());
    w_ += rep.size();
    r_ += len;
    k_ = r_;
  }

 private:
  void flush() {
    if (w_ != k_ && r_ > k_) std::memmove(&buf_[w_], &buf_[k_], r_ - k_);
    w_ += r_ - k_;
    k_ = r_;
  }

  std::string& buf_;
  std::size_t n_;
  std::size_t r_ = 0;
  std::size_t k_ = 0;
  std::size_t w_ = 0;
};

bool isDeleteNeighbourAfter(char c) { return c == '<' || c == ' ' || c == '\r' || c == '\n'; }

// Moves past a protected element starting at the scan position: to the third
// byte of its closing tag. Returns false when the closing tag is missing (the
// rest of the text is then kept and the pass must end).
bool passElement(InPlace& s, std::string_view closing) {
  const std::size_t j = scan::find(s.text(), closing, s.r());
  if (j == scan::npos) {
    s.keepRest();
    return false;
  }
  s.keep(j + 2);
  return true;
}

// Moves to the '>' of a server-side block's closer. False when unclosed.
bool passServerBlock(InPlace& s) {
  const std::size_t e = scan::serverCloserEnd(s.text(), s.r());
  if (e == scan::npos) {
    s.keepRest();
    return false;
  }
  s.keep(e);
  return true;
}

}  // namespace

namespace compress_pass {
namespace {

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

// Whether a double-quoted attribute value must keep its quotes: it is empty or
// holds white space, '=', '>' or '`', and no '<' (that would be an unbalanced
// quote running into the next tag).
bool valueNeedsQuotes(std::string_view value) {
  if (value.find('<') != std::string_view::npos) return false;
  return value.empty() || value.find_first_of(" \t\r\n\f=>`") != std::string_view::npos;
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

void quotePass(std::string& buf) {
  InPlace s(buf);
  const std::string_view t = s.text();
  const std::size_t n = t.size();
  std::size_t nextQuote = 0;
  while (!s.atEnd()) {
    // Only double quotes are ever deleted: with none left, the pass is done.
    if (nextQuote < s.r()) nextQuote = scan::findByte(t, '"', s.r());
    if (nextQuote == scan::npos) return;
    const std::size_t i = scan::findByte(t, '<', s.r());
    if (i == scan::npos) return;
    s.keep(i);
    if (scan::startsWith(t, i, "<script")) {
      const std::size_t j = scan::find(t, "</script", i + 6);
      if (j == scan::npos) return;
      s.keep(j + 2);
      continue;
    }
    if (scan::serverOpenerAt(t, i)) {
      if (!passServerBlock(s)) return;
      continue;
    }
    if (i + 1 < n && t[i + 1] == '!') {  // comments and declarations keep their quotes
      s.keep(i + 1);
      continue;
    }
    std::size_t e = scan::findByte(t, '>', i + 1);
    if (e == scan::npos) e = n;
    bool single = false;
    bool dbl = false;
    std::size_t opener = scan::npos;
    for (std::size_t p = i + 1; p < e; ++p) {
      const char c = t[p];
      if (c == '\'')
        single = true;
      else if (c == '"')
        dbl = true;
      else if (c == '<' && p + 1 < e && (t[p + 1] == '?' || t[p + 1] == '%')) {
        opener = p;
        break;
      }
    }
    // A tag holding server code is left as it is up to that code, which the
    // block rule then passes over whole.
    if (opener != scan::npos) {
      s.keep(opener);
      continue;
    }
    if (single || !dbl) {  // kept whole (without quotes the examination changes nothing)
      s.keep(e + 1);
      continue;
    }
    s.keep(i + 1);
    bool onlyQuoteRule = false;  // just after a value kept in quotes
    bool stopped = false;
    while (!s.atEnd() && t[s.r()] != '>') {
      const std::size_t k = s.r();
      if (t[k] == '<' && scan::serverOpenerAt(t, k)) {
        stopped = true;
        break;
      }
      const char lk = scan::lower(t[k]);
      if (!onlyQuoteRule && (lk == 'v' || lk == 'a')) {
        std::size_t q = scan::npos;
        if (scan::startsWith(t, k, "value=\""))
          q = k + 6;
        else if (scan::startsWith(t, k, "alt=\""))
          q = k + 4;
        if (q != scan::npos) {
          const std::size_t c = scan::findByte(t, '"', q + 1);
          if (c == scan::npos) return;
          if (scan::findByte(t.substr(0, c), ' ', q + 1) != scan::npos) {
            const std::size_t inner = scan::findServerOpener(t, q + 1, c);
            if (inner != scan::npos) {
              s.keep(inner);
              stopped = true;
              break;
            }
            s.keep(c + 1);
            onlyQuoteRule = true;
            continue;
          }
        }
      }
      // Any attribute's double-quoted value that would change meaning without
      // its quotes keeps them (an empty value, one holding white space, '=',
      // '>' or '`'); a value running over a '<' is an unbalanced quote and
      // loses it as before.
      if (!onlyQuoteRule && t[k] == '"' && t[k - 1] == '=') {
        const std::size_t c = scan::findByte(t, '"', k + 1);
        if (c != scan::npos && valueNeedsQuotes(t.substr(k + 1, c - k - 1))) {
          s.keep(c + 1);
          onlyQuoteRule = true;
          continue;
        }
      }
      onlyQuoteRule = false;
      if (t[k] == '"')
        s.drop(k + 1);
      else
        s.keep(k + 1);
    }
    if (stopped) continue;
    s.keep(s.r() + 1);  // the tag's '>'
  }
}

void pairingPass(std::string& buf, std::string_view openForm) {
  // "<center>" is shorter than either opening form by at least 8 bytes and
  // "</center>" longer than "</p>" by 5, and every closing replacement follows
  // its opening one, so the output never overtakes the unread text.
  InPlace s(buf);
  const std::string_view t = s.text();
  const std::size_t n = t.size();
  scan::StopSet stops;
  stops.add('<', openForm[1], openForm[2]);
  stops.add('<', '/', 'p');
  stops.add('<', '?');
  stops.add('<', '%');
  bool seekingClose = false;
  while (!s.atEnd()) {
    const std::size_t p = stops.next(t, s.r(), n);
    if (p >= n) return;
    s.keep(p);
    if (scan::serverOpenerAt(t, p)) {
      if (!passServerBlock(s)) return;
      continue;
    }
    if (!seekingClose && scan::startsWith(t, p, openForm)) {
      s.replaceAndPass(openForm.size(), "<center>");
      seekingClose = true;
    } else if (seekingClose && scan::startsWith(t, p, "</p>")) {
      s.replaceAndPass(4, "</center>");
      seekingClose = false;
    } else {
      s.keep(p + 1);
    }
  }
}

}  // namespace compress_pass

std::string compressHtml(std::string_view text, const CompressOptions& o) {
  using compress_pass::replacePass;
  std::string buf(text);
  if (o.quotesInTags) compress_pass::quotePass(buf);
  if (o.allLineBreaks || o.extraLineBreaks) {
    replacePass(buf, {"\r\r", "\r", true, false, o.webBots});
    replacePass(buf, {"\n\n", "\n", true, false, o.webBots});
    if (o.allLineBreaks) {
      replacePass(buf, {"\r\n", "", true, true, o.webBots});
      replacePass(buf, {"\r", "", true, true, o.webBots});
      replacePass(buf, {"\n", "", true, true, o.webBots});
    }
  }
  if (o.spaces) compress_pass::spacePass(buf);
  if (o.shortTags) {
    static constexpr std::string_view kShortTags[][2] = {{"<strong>", "<b>"}, {"</strong>", "</b>"},
                                                         {"<em>", "<i>"},     {"</em>", "</i>"},
                                                         {"<strike>", "<s>"}, {"</strike>", "</s>"}};
    for (const auto& rule : kShortTags) replacePass(buf, {rule[0], rule[1], false, true, false});
  }
  if (o.blockquoteToList) {
    replacePass(buf, {"<blockquote>", "<ul>", false, true, false});
    replacePass(buf, {"</blockquote>", "</ul>", false, true, false});
  }
  if (o.center) {
    compress_pass::pairingPass(buf, "<p align=center>");
    compress_pass::pairingPass(buf, "<p align=\"center\">");
  }
  return buf;
}

}  // namespace markloom
