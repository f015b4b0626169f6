// Quotes in tags: double quotes round attribute values that need none go.
#include "core/compress/html_compress.h"
#include "core/compress/in_place_edit.h"

namespace markloom::compress_pass {
namespace {

// Whether a double-quoted attribute value must keep its quotes: it is empty or
// holds white space, '=', '>' or '`', and no '<' (that would be an unbalanced
// quote running into the next tag).
bool valueNeedsQuotes(std::string_view value) {
  if (value.find('<') != std::string_view::npos) return false;
  return value.empty() || value.find_first_of(" \t\r\n\f=>`") != std::string_view::npos;
}

}  // namespace

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

}  // namespace markloom::compress_pass
