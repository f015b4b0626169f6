#pragma once
// The compressor's procedure written out literally: one position at a time over
// a string that is edited in place, the tail moving at every change. Slow
// (quadratic) but easy to check against the description; the fast compressor
// must give the same bytes. With serverBlocks off it leaves out the protection
// of <? ... ?> and <% ... %> blocks.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/compress/compress_options.h"

namespace markloom::oracle {

inline constexpr std::size_t npos = std::string::npos;

inline char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

inline bool at(const std::string& t, std::size_t i, std::string_view s) {
  if (i > t.size() || t.size() - i < s.size()) return false;
  for (std::size_t k = 0; k < s.size(); ++k)
    if (lower(t[i + k]) != lower(s[k])) return false;
  return true;
}

inline std::size_t findCi(const std::string& t, std::string_view s, std::size_t from) {
  for (std::size_t i = from; i < t.size(); ++i)
    if (at(t, i, s)) return i;
  return npos;
}

inline bool isOpener(const std::string& t, std::size_t i) {
  return i + 1 < t.size() && t[i] == '<' && (t[i + 1] == '?' || t[i + 1] == '%');
}

enum class Move { None, Moved, End };

// At an opener: i goes to the '>' of the closer, searched from the byte after the opener.
inline Move serverBlock(const std::string& t, std::size_t& i, bool serverBlocks) {
  if (!serverBlocks || !isOpener(t, i)) return Move::None;
  const std::string closer{t[i + 1], '>'};
  const std::size_t c = t.find(closer, i + 2);
  if (c == npos) return Move::End;
  i = c + 1;
  return Move::Moved;
}

inline Move element(const std::string& t, std::size_t& i, std::string_view open, std::string_view close) {
  if (!at(t, i, open)) return Move::None;
  const std::size_t j = findCi(t, close, i);
  if (j == npos) return Move::End;
  i = j + 2;
  return Move::Moved;
}

inline void replacePass(std::string& t, std::string_view search, std::string_view rep, bool block, bool script,
                        bool webbots, bool serverBlocks) {
  const bool crPass = search[0] == '\r';
  std::size_t i = 0;
  while (i < t.size()) {
    // Protected elements and server blocks are passed over whole.
    if (block) {
      if (element(t, i, "<textarea", "</textarea>") == Move::End) return;
      if (element(t, i, "<pre", "</pre>") == Move::End) return;
    }
    if (script && element(t, i, "<script", "</script>") == Move::End) return;
    if (serverBlock(t, i, serverBlocks) == Move::End) return;
    // An occurrence with a replacement is replaced, and the same place examined again.
    if (at(t, i, search) && !rep.empty()) {
      t.replace(i, search.size(), rep);
      continue;
    }
    // Without one it is deleted next to a tag edge, blank or line break, and the
    // same place examined again.
    if (at(t, i, search)) {
      const bool before = i > 0 && (t[i - 1] == '>' || t[i - 1] == ' ');
      const std::size_t a = i + search.size();
      const bool after = a < t.size() && (t[a] == '<' || t[a] == ' ' || t[a] == '\r' || t[a] == '\n');
      if (before || after) {
        t.erase(i, search.size());
        continue;
      }
    }
    // Line-break passes pass over tags (deleting web-bot comments first).
    if (crPass && t[i] == '<') {
      std::size_t p = i;
      if (webbots && at(t, i, "<!--webbot")) {
        const std::size_t g = t.find('>', i);
        if (g != npos) {
          t.erase(i, g - i + 1);
          p = g + 1;
        }
      }
      const std::size_t q = p < t.size() ? t.find('>', p) : npos;
      if (q == npos) return;
      i = q + 1;
      continue;
    }
    // Anything else: on to the next byte.
    ++i;
  }
}

inline void quotePass(std::string& t, bool serverBlocks) {
  std::size_t i = 0;
  while (i < t.size()) {
    if (at(t, i, "<script")) {
      const std::size_t j = findCi(t, "</script", i + 6);
      if (j == npos) return;
      i = j + 1;
      continue;
    }
    const Move m = serverBlock(t, i, serverBlocks);
    if (m == Move::End) return;
    if (m == Move::Moved) continue;
    if (t[i] != '<' || (i + 1 < t.size() && t[i + 1] == '!')) {
      ++i;
      continue;
    }
    std::size_t e = t.find('>', i + 1);
    if (e == npos) e = t.size();
    if (serverBlocks) {
      std::size_t opener = npos;
      for (std::size_t p = i + 1; p < e && opener == npos; ++p)
        if (isOpener(t, p)) opener = p;
      if (opener != npos) {
        i = opener;
        continue;
      }
    }
    bool single = false;
    for (std::size_t p = i + 1; p < e; ++p) single = single || t[p] == '\'';
    if (single) {
      i = e + 1;
      continue;
    }
    std::size_t k = i + 1;
    bool onlyB = false;
    bool stopped = false;
    while (k < t.size() && t[k] != '>') {
      if (serverBlocks && isOpener(t, k)) {
        stopped = true;
        break;
      }
      if (!onlyB) {
        std::size_t q = npos;
        if (at(t, k, "value=\""))
          q = k + 6;
        else if (at(t, k, "alt=\""))
          q = k + 4;
        if (q != npos) {
          const std::size_t c = t.find('"', q + 1);
          if (c == npos) return;
          bool blank = false;
          for (std::size_t p = q + 1; p < c; ++p) blank = blank || t[p] == ' ';
          if (blank) {
            std::size_t inner = npos;
            for (std::size_t p = q + 1; serverBlocks && p < c && inner == npos; ++p)
              if (isOpener(t, p)) inner = p;
            if (inner != npos) {
              k = inner;
              stopped = true;
              break;
            }
            k = c + 1;
            onlyB = true;
            continue;
          }
        }
      }
      if (!onlyB && t[k] == '"' && t[k - 1] == '=') {
        const std::size_t c = t.find('"', k + 1);
        if (c != npos) {
          const std::string v = t.substr(k + 1, c - k - 1);
          const bool unbalanced = v.find('<') != npos;
          const bool needed = v.empty() || v.find_first_of(" \t\r\n\f=>`") != npos;
          if (!unbalanced && needed) {
            k = c + 1;
            onlyB = true;
            continue;
          }
        }
      }
      onlyB = false;
      if (t[k] == '"') {
        t.erase(k, 1);
        continue;
      }
      ++k;
    }
    if (k >= t.size()) return;
    i = stopped ? k : k + 1;
  }
}

inline void pairingPass(std::string& t, std::string_view open, bool serverBlocks) {
  bool seekingClose = false;
  std::size_t i = 0;
  while (i < t.size()) {
    const Move m = serverBlock(t, i, serverBlocks);
    if (m == Move::End) return;
    if (m == Move::Moved) continue;
    if (!seekingClose && at(t, i, open)) {
      t.replace(i, open.size(), "<center>");
      seekingClose = true;
    } else if (seekingClose && at(t, i, "</p>")) {
      t.replace(i, 4, "</center>");
      seekingClose = false;
    }
    ++i;
  }
}

inline std::string compress(std::string t, const CompressOptions& o, bool serverBlocks = true) {
  if (t.empty()) return t;
  const bool sb = serverBlocks;
  if (o.quotesInTags) quotePass(t, sb);
  if (o.allLineBreaks) {
    replacePass(t, "\r\r", "\r", true, false, o.webBots, sb);
    replacePass(t, "\n\n", "\n", true, false, o.webBots, sb);
    replacePass(t, "\r\n", "", true, true, o.webBots, sb);
    replacePass(t, "\r", "", true, true, o.webBots, sb);
    replacePass(t, "\n", "", true, true, o.webBots, sb);
  } else if (o.extraLineBreaks) {
    replacePass(t, "\r\r", "\r", true, false, o.webBots, sb);
    replacePass(t, "\n\n", "\n", true, false, o.webBots, sb);
  }
  if (o.spaces) {
    replacePass(t, "    ", " ", true, true, false, sb);
    replacePass(t, "   ", " ", true, true, false, sb);
    replacePass(t, "  ", " ", true, true, false, sb);
    replacePass(t, "  ", " ", true, true, false, sb);
    replacePass(t, " >", ">", true, true, false, sb);
    replacePass(t, "> <t", "><t", true, true, false, sb);
    replacePass(t, "> </t", "></t", true, true, false, sb);
    replacePass(t, "> <l", "><l", true, true, false, sb);
    replacePass(t, "> </l", "></l", true, true, false, sb);
    replacePass(t, "> <p", "><p", true, true, false, sb);
    replacePass(t, "> </p", "></p", true, true, false, sb);
  }
  if (o.shortTags) {
    replacePass(t, "<strong>", "<b>", false, true, false, sb);
    replacePass(t, "</strong>", "</b>", false, true, false, sb);
    replacePass(t, "<em>", "<i>", false, true, false, sb);
    replacePass(t, "</em>", "</i>", false, true, false, sb);
    replacePass(t, "<strike>", "<s>", false, true, false, sb);
    replacePass(t, "</strike>", "</s>", false, true, false, sb);
  }
  if (o.blockquoteToList) {
    replacePass(t, "<blockquote>", "<ul>", false, true, false, sb);
    replacePass(t, "</blockquote>", "</ul>", false, true, false, sb);
  }
  if (o.center) {
    pairingPass(t, "<p align=center>", sb);
    pairingPass(t, "<p align=\"center\">", sb);
  }
  return t;
}

}  // namespace markloom::oracle
