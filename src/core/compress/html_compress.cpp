#include "core/compress/html_compress.h"

#include <cstring>

#include "core/compress/byte_scan.h"

namespace markloom {
namespace {

// Each pass edits the buffer in place: the text before the scan position is
// buf[0, w), the text from the scan position on is buf[r, n), and w <= r. While
// nothing has changed w == r and no byte is moved.
class InPlace {
 public:
  explicit InPlace(std::string& buf) : buf_(buf), n_(buf.size()) {}
  ~InPlace() { buf_.resize(w_); }

  std::string_view text() const { return {buf_.data(), n_}; }
  std::size_t size() const { return n_; }
  std::size_t r() const { return r_; }
  char at(std::size_t i) const { return buf_[i]; }
  bool atEnd() const { return r_ >= n_; }
  // The byte before the scan position, or 0 at the start of the text.
  bool hasBefore() const { return w_ > 0; }
  char before() const { return buf_[w_ - 1]; }

  // Keeps buf[r, to) unchanged and moves the scan position to `to`.
  void keep(std::size_t to) {
    if (to > n_) to = n_;
    if (to <= r_) return;
    if (w_ != r_) std::memmove(&buf_[w_], &buf_[r_], to - r_);
    w_ += to - r_;
    r_ = to;
  }
  void keepRest() { keep(n_); }
  // Drops buf[r, to).
  void drop(std::size_t to) { r_ = to; }
  // Replaces buf[r, r + len) by rep (no longer than len) and leaves the scan
  // position on the replacement, so it is examined again.
  void replaceAndStay(std::size_t len, std::string_view rep) {
    r_ += len - rep.size();
    std::memcpy(&buf_[r_], rep.data(), rep.size());
  }
  // Replaces buf[r, r + len) by rep and moves past it. The caller guarantees
  // that the gap r - w is at least rep.size() - len.
  void replaceAndPass(std::size_t len, std::string_view rep) {
    std::memmove(&buf_[w_], rep.data(), rep.size());
    w_ += rep.size();
    r_ += len;
  }

 private:
  std::string& buf_;
  std::size_t n_;
  std::size_t r_ = 0;
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

void replacePass(std::string& buf, const ReplaceSpec& spec) {
  InPlace s(buf);
  const std::string_view search = spec.search;
  const bool crPass = search[0] == '\r';
  const bool webbots = crPass && spec.webbots;
  while (!s.atEnd()) {
    // Only '<' (protections, tags) and the search text's first byte matter.
    s.keep(scan::findEither(s.text(), '<', search[0], s.r()));
    if (s.atEnd()) break;
    std::size_t i = s.r();
    if (s.at(i) == '<') {
      const std::string_view t = s.text();
      if (spec.blockProtection) {
        if (scan::startsWith(t, i, "<textarea") && !passElement(s, "</textarea>")) return;
        if (scan::startsWith(t, s.r(), "<pre") && !passElement(s, "</pre>")) return;
      }
      if (spec.scriptProtection && scan::startsWith(t, s.r(), "<script") && !passElement(s, "</script>")) return;
      if (scan::serverOpenerAt(t, s.r()) && !passServerBlock(s)) return;
      i = s.r();
    }
    if (scan::startsWith(s.text(), i, search)) {
      if (!spec.replacement.empty()) {
        s.replaceAndStay(search.size(), spec.replacement);
        continue;
      }
      const std::size_t a = i + search.size();
      const bool byBefore = s.hasBefore() && (s.before() == '>' || s.before() == ' ');
      const bool byAfter = a < s.size() && isDeleteNeighbourAfter(s.at(a));
      if (byBefore || byAfter) {
        s.drop(a);
        continue;
      }
    }
    if (crPass && s.at(i) == '<') {
      // Tags keep their line breaks: pass over to the next '>'.
      std::size_t from = i;
      if (webbots && scan::startsWith(s.text(), i, "<!--webbot")) {
        const std::size_t g = scan::findByte(s.text(), '>', i);
        if (g != scan::npos) {
          // The comment goes; the scan then stands as many bytes further on as
          // the comment was long (the position is not moved back).
          s.drop(g + 1);
          s.keep(g + 1 + (g + 1 - i));
          from = s.r();
        }
      }
      const std::size_t q = scan::findByte(s.text(), '>', from);
      if (q == scan::npos) {
        s.keepRest();
        return;
      }
      s.keep(q + 1);
      continue;
    }
    s.keep(i + 1);
  }
}

void quotePass(std::string& buf) {
  InPlace s(buf);
  while (!s.atEnd()) {
    const std::size_t lt = scan::findByte(s.text(), '<', s.r());
    if (lt == scan::npos) break;
    s.keep(lt);
    const std::string_view t = s.text();
    const std::size_t i = s.r();
    if (scan::startsWith(t, i, "<script")) {
      const std::size_t j = scan::find(t, "</script", i + 6);
      if (j == scan::npos) {
        s.keepRest();
        return;
      }
      s.keep(j + 2);
      continue;
    }
    if (scan::serverOpenerAt(t, i)) {
      if (!passServerBlock(s)) return;
      continue;
    }
    if (i + 1 < t.size() && t[i + 1] == '!') {  // comments and declarations keep their quotes
      s.keep(i + 1);
      continue;
    }
    std::size_t e = scan::findByte(t, '>', i + 1);
    if (e == scan::npos) e = t.size();
    // A tag holding server code is left as it is up to that code, which the
    // block rule then passes over whole.
    const std::size_t opener = scan::findServerOpener(t, i + 1, e);
    if (opener != scan::npos) {
      s.keep(opener);
      continue;
    }
    if (scan::findByte(t.substr(0, e), '\'', i + 1) != scan::npos) {
      s.keep(e + 1);
      continue;
    }
    s.keep(i + 1);
    bool onlyQuoteRule = false;  // just after a value kept in quotes
    bool stopped = false;
    while (!s.atEnd() && s.at(s.r()) != '>') {
      const std::size_t k = s.r();
      if (scan::serverOpenerAt(t, k)) {
        stopped = true;
        break;
      }
      if (!onlyQuoteRule) {
        std::size_t q = scan::npos;
        if (scan::startsWith(t, k, "value=\"")) q = k + 6;
        else if (scan::startsWith(t, k, "alt=\"")) q = k + 4;
        if (q != scan::npos) {
          const std::size_t c = scan::findByte(t, '"', q + 1);
          if (c == scan::npos) {
            s.keepRest();
            return;
          }
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
      onlyQuoteRule = false;
      if (s.at(k) == '"') s.drop(k + 1);
      else s.keep(k + 1);
    }
    if (stopped) continue;
    s.keep(s.r() + 1);  // the tag's '>'
  }
  s.keepRest();
}

void pairingPass(std::string& buf, std::string_view openForm) {
  // "<center>" is shorter than either opening form by at least 8 bytes and
  // "</center>" longer than "</p>" by 5, and every closing replacement follows
  // its opening one, so the result never overtakes the unread text.
  InPlace s(buf);
  bool seekingClose = false;
  while (!s.atEnd()) {
    const std::size_t p = scan::findByte(s.text(), '<', s.r());
    if (p == scan::npos) break;
    s.keep(p);
    if (scan::serverOpenerAt(s.text(), p)) {
      if (!passServerBlock(s)) return;
      continue;
    }
    if (!seekingClose && scan::startsWith(s.text(), p, openForm)) {
      s.replaceAndPass(openForm.size(), "<center>");
      seekingClose = true;
    } else if (seekingClose && scan::startsWith(s.text(), p, "</p>")) {
      s.replaceAndPass(4, "</center>");
      seekingClose = false;
    } else {
      s.keep(p + 1);
    }
  }
  s.keepRest();
}

}  // namespace compress_pass

std::string compressHtml(std::string_view text, const CompressOptions& o) {
  using compress_pass::replacePass;
  std::string buf(text);
  if (o.InvCommas) compress_pass::quotePass(buf);
  if (o.AllReturns || o.Returns) {
    replacePass(buf, {"\r\r", "\r", true, false, o.Webbots});
    replacePass(buf, {"\n\n", "\n", true, false, o.Webbots});
    if (o.AllReturns) {
      replacePass(buf, {"\r\n", "", true, true, o.Webbots});
      replacePass(buf, {"\r", "", true, true, o.Webbots});
      replacePass(buf, {"\n", "", true, true, o.Webbots});
    }
  }
  if (o.Spaces) {
    static constexpr std::string_view kSpaceRules[][2] = {
        {"    ", " "}, {"   ", " "}, {"  ", " "}, {"  ", " "}, {" >", ">"},
        {"> <t", "><t"}, {"> </t", "></t"}, {"> <l", "><l"}, {"> </l", "></l"},
        {"> <p", "><p"}, {"> </p", "></p"}};
    for (const auto& rule : kSpaceRules) replacePass(buf, {rule[0], rule[1], true, true, false});
  }
  if (o.SimpleTags) {
    static constexpr std::string_view kShortTags[][2] = {
        {"<strong>", "<b>"}, {"</strong>", "</b>"}, {"<em>", "<i>"},
        {"</em>", "</i>"},   {"<strike>", "<s>"},   {"</strike>", "</s>"}};
    for (const auto& rule : kShortTags) replacePass(buf, {rule[0], rule[1], false, true, false});
  }
  if (o.BlockquoteToUl) {
    replacePass(buf, {"<blockquote>", "<ul>", false, true, false});
    replacePass(buf, {"</blockquote>", "</ul>", false, true, false});
  }
  if (o.Center) {
    compress_pass::pairingPass(buf, "<p align=center>");
    compress_pass::pairingPass(buf, "<p align=\"center\">");
  }
  return buf;
}

}  // namespace markloom
