#pragma once
// Small byte-scanning helpers for the compressor: case-insensitive matching of
// lower-case patterns (ASCII letters only) and fast searches for one or two bytes.
#include <cstddef>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace markloom::scan {

inline constexpr std::size_t npos = static_cast<std::size_t>(-1);

inline char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// Whether text[at..] starts with pattern (given in lower case), ignoring ASCII case.
// A pattern that would run past the end of the text does not match.
inline bool startsWith(std::string_view text, std::size_t at, std::string_view pattern) {
  if (at > text.size() || text.size() - at < pattern.size()) return false;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    if (lower(text[at + k]) != pattern[k]) return false;
  }
  return true;
}

// First position >= from of byte c, or npos.
inline std::size_t findByte(std::string_view text, char c, std::size_t from) {
  if (from >= text.size()) return npos;
  const void* hit = std::memchr(text.data() + from, c, text.size() - from);
  return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : npos;
}

// First position >= from where pattern (lower case) starts, ignoring ASCII case;
// npos when there is none. The first pattern byte must not be a letter.
inline std::size_t find(std::string_view text, std::string_view pattern, std::size_t from) {
  for (std::size_t p = findByte(text, pattern[0], from); p != npos; p = findByte(text, pattern[0], p + 1)) {
    if (startsWith(text, p, pattern)) return p;
  }
  return npos;
}

// A server-side block opener ("<?" or "<%") at position at.
inline bool serverOpenerAt(std::string_view text, std::size_t at) {
  return at + 1 < text.size() && text[at] == '<' && (text[at + 1] == '?' || text[at + 1] == '%');
}

// First opener starting in [from, to) whose two bytes both lie before to; npos if none.
inline std::size_t findServerOpener(std::string_view text, std::size_t from, std::size_t to) {
  if (to > text.size()) to = text.size();
  for (std::size_t p = from; p + 1 < to; ++p) {
    p = findByte(text.substr(0, to - 1), '<', p);
    if (p == npos) return npos;
    if (text[p + 1] == '?' || text[p + 1] == '%') return p;
  }
  return npos;
}

// For the opener at position at: the position of the '>' of its closer ("?>" or
// "%>"), searched from the byte after the opener; npos when unclosed.
inline std::size_t serverCloserEnd(std::string_view text, std::size_t at) {
  const char closer[2] = {text[at + 1], '>'};
  const std::size_t c = text.find(std::string_view(closer, 2), at + 2);
  return c == std::string_view::npos ? npos : c + 1;
}

// Walks markup from `from`: outside a tag it looks for the next '<' before
// `limit`; there, when stopAt(lt) says so, it stops on that '<'; otherwise the
// tag is passed over to its '>' (which may lie beyond limit) and the walk goes
// on after it. Returns the position reached: the stopping '<', the end of the
// last tag passed (when no further '<' lies before limit, or the last tag ended
// beyond limit), or npos when a tag has no '>' at all.
template <class StopAt>
std::size_t walkTags(std::string_view text, std::size_t from, std::size_t limit, StopAt stopAt) {
  const std::size_t n = text.size();
  const char* d = text.data();
  std::size_t p = from;  // after the last tag passed
  std::size_t tagStart = 0;
  bool inTag = false;
  std::size_t i = from;
#if defined(__SSE2__)
  const __m128i lt = _mm_set1_epi8('<');
  const __m128i gt = _mm_set1_epi8('>');
  for (; i + 16 <= n; i += 16) {
    if (!inTag && i >= limit) return p;
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
    unsigned ltMask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, lt)));
    unsigned gtMask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, gt)));
    for (;;) {
      unsigned& mask = inTag ? gtMask : ltMask;
      if (mask == 0) break;
      const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(mask));
      mask &= mask - 1;
      if (at < p || (inTag && at <= tagStart)) continue;  // already passed
      if (!inTag) {
        if (at >= limit || stopAt(at)) return p;
        inTag = true;
        tagStart = at;
      } else {
        p = at + 1;
        inTag = false;
        if (p > limit) return p;
      }
    }
  }
#endif
  for (; i < n; ++i) {
    if (i < p) continue;
    if (!inTag) {
      if (i >= limit) return p;
      if (d[i] == '<') {
        if (stopAt(i)) return p;
        inTag = true;
      }
    } else if (d[i] == '>') {
      p = i + 1;
      inTag = false;
      if (p > limit) return p;
    }
  }
  return inTag ? npos : p;
}

// Finds where one of a few short patterns may start. A pattern is one to three
// bytes; the first is compared exactly, the others with ASCII case folded (by
// setting bit 0x20, which also lets a few control bytes through), so a hit is
// only a candidate that the caller checks. A pattern never matches where it
// would run past the end of the text.
class StopSet {
 public:
  void add(char a, char b = 0, char c = 0) {
    Pat& p = pats_[count_++];
    p.a = a;
    p.b = static_cast<char>(b | 0x20);
    p.c = static_cast<char>(c | 0x20);
    p.hasB = b != 0;
    p.hasC = c != 0;
#if defined(__SSE2__)
    p.va = _mm_set1_epi8(p.a);
    p.vb = _mm_set1_epi8(p.b);
    p.vc = _mm_set1_epi8(p.c);
#endif
  }

  // First candidate in [from, to), or to when there is none. Bytes up to the
  // end of text may be looked at.
  std::size_t next(std::string_view text, std::size_t from, std::size_t to) const {
    const std::size_t n = text.size();
    if (to > n) to = n;
    const char* d = text.data();
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i fold = _mm_set1_epi8(0x20);
    for (; i < to && i + 18 <= n; i += 16) {
      const __m128i v0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
      // First bytes only: most blocks hold none of them.
      __m128i first[8];
      __m128i anyFirst = _mm_setzero_si128();
      for (int k = 0; k < count_; ++k) {
        first[k] = (k > 0 && pats_[k].a == pats_[k - 1].a) ? first[k - 1] : _mm_cmpeq_epi8(v0, pats_[k].va);
        anyFirst = _mm_or_si128(anyFirst, first[k]);
      }
      if (_mm_movemask_epi8(anyFirst) == 0) continue;
      const __m128i v1 = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i + 1)), fold);
      const __m128i v2 = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i + 2)), fold);
      __m128i hit = _mm_setzero_si128();
      for (int k = 0; k < count_; ++k) {
        const Pat& p = pats_[k];
        __m128i m = first[k];
        if (p.hasB) m = _mm_and_si128(m, _mm_cmpeq_epi8(v1, p.vb));
        if (p.hasC) m = _mm_and_si128(m, _mm_cmpeq_epi8(v2, p.vc));
        hit = _mm_or_si128(hit, m);
      }
      const int mask = _mm_movemask_epi8(hit);
      if (mask != 0) {
        const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
        return at < to ? at : to;
      }
    }
#endif
    for (; i < to; ++i) {
      for (int k = 0; k < count_; ++k) {
        const Pat& p = pats_[k];
        if (d[i] != p.a) continue;
        if (p.hasB && (i + 1 >= n || (d[i + 1] | 0x20) != p.b)) continue;
        if (p.hasC && (i + 2 >= n || (d[i + 2] | 0x20) != p.c)) continue;
        return i;
      }
    }
    return to;
  }

 private:
  struct Pat {
    char a, b, c;
    bool hasB, hasC;
#if defined(__SSE2__)
    __m128i va, vb, vc;
#endif
  };
  Pat pats_[8] = {};
  int count_ = 0;
};

}  // namespace markloom::scan
