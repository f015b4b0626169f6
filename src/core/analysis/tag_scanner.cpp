#include "core/analysis/tag_scanner.h"

#include <algorithm>
#include <array>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace markloom {

namespace {

constexpr std::uint8_t kAngle = 1;    // '<' and '>'
constexpr std::uint8_t kLineEnd = 2;  // CR and LF

constexpr std::array<std::uint8_t, 256> kClass = [] {
  std::array<std::uint8_t, 256> t{};
  t['<'] = t['>'] = kAngle;
  t['\r'] = t['\n'] = kLineEnd;
  return t;
}();

// The first '<' or '>' (and CR or LF when splitting lines) at or after p.
// Sixteen bytes at a time where the processor allows: runs of ordinary text
// are the bulk of any page.
template <bool SplitLines>
const char* findSpecial(const char* p, const char* end) {
  constexpr std::uint8_t special = SplitLines ? (kAngle | kLineEnd) : kAngle;
#if defined(__SSE2__)
  const __m128i lt = _mm_set1_epi8('<');
  const __m128i gt = _mm_set1_epi8('>');
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  while (end - p >= 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i hit = _mm_or_si128(_mm_cmpeq_epi8(v, lt), _mm_cmpeq_epi8(v, gt));
    if constexpr (SplitLines) hit = _mm_or_si128(hit, _mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)));
    const int mask = _mm_movemask_epi8(hit);
    if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
    p += 16;
  }
#endif
  while (p < end && !(kClass[static_cast<unsigned char>(*p)] & special)) ++p;
  return p;
}

}  // namespace

void TagScanner::appendText(std::string_view chunk) {
  if (chunk.empty()) return;
  if (!limits_.keepText) {
    if (limits_.textPieces) sink_.text(chunk, line_);
    return;
  }
  if (pendingText_.empty()) textLine_ = line_;
  pendingText_.append(chunk);
}

void TagScanner::appendTag(std::string_view chunk) {
  if (!tagCut_) {
    const std::size_t room = limits_.tagHead - std::min(limits_.tagHead, pendingTag_.size());
    if (chunk.size() <= room) {
      pendingTag_.append(chunk);
      return;
    }
    pendingTag_.append(chunk.substr(0, room));
    tagCut_ = true;
    tagTail_.clear();
    chunk.remove_prefix(room);
  }
  const std::size_t keep = limits_.tagTail;
  if (chunk.size() >= keep) {
    tagTail_.assign(chunk.substr(chunk.size() - keep));
    return;
  }
  tagTail_.append(chunk);
  if (tagTail_.size() > 2 * keep) tagTail_.erase(0, tagTail_.size() - keep);
}

void TagScanner::endTag(std::string_view chunk) {
  if (pendingTag_.empty() && !tagCut_ && chunk.size() <= limits_.tagHead) {
    sink_.tag(chunk, tagLine_);
    return;
  }
  appendTag(chunk);
  if (tagCut_) {
    std::string_view tail = tagTail_;
    if (tail.size() > limits_.tagTail) tail.remove_prefix(tail.size() - limits_.tagTail);
    sink_.longTag(pendingTag_, tail, tagLine_);
  } else {
    sink_.tag(pendingTag_, tagLine_);
  }
  pendingTag_.clear();
  tagTail_.clear();
  tagCut_ = false;
}

template <bool SplitLines>
void TagScanner::scan(std::string_view part) {
  const char* p = part.data();
  const char* const end = p + part.size();
  const char* run = p;        // ordinary characters since the last special one, not yet stored
  const char* lineStart = p;  // first byte after the last line end in this part
  while (true) {
    p = findSpecial<SplitLines>(p, end);
    if (p == end) break;
    const std::string_view chunk(run, static_cast<std::size_t>(p - run));
    const char c = *p;
    if (c == '<') {
      // A '<' inside a tag is dropped; the tag goes on.
      if (insideTag_) {
        appendTag(chunk);
      } else {
        if (pendingText_.empty()) {
          if (!chunk.empty() && (limits_.keepText || limits_.textPieces)) sink_.text(chunk, line_);
        } else {
          pendingText_.append(chunk);
          sink_.text(pendingText_, textLine_);
          pendingText_.clear();
        }
        insideTag_ = true;
        tagLine_ = line_;
      }
    } else if (c == '>') {
      if (insideTag_) {
        endTag(chunk);
        insideTag_ = false;
      } else {
        // A '>' in running text closes an empty tag; the surrounding text goes
        // on and is reported after it.
        appendText(chunk);
        sink_.tag(std::string_view(), line_);
      }
    } else {
      if (insideTag_)
        appendTag(chunk);
      else
        appendText(chunk);
      const bool lineHadBytes = lineHasBytes_ || p > lineStart;
      if (c == '\n' && crPending_ && !lineHadBytes) {
        crPending_ = false;  // the LF of a CR LF pair
      } else {
        endLine();
        crPending_ = c == '\r';
      }
      lineStart = p + 1;
    }
    run = ++p;
  }
  const std::string_view rest(run, static_cast<std::size_t>(end - run));
  if (insideTag_)
    appendTag(rest);
  else
    appendText(rest);
  if (SplitLines && end > lineStart) {
    lineHasBytes_ = true;
    crPending_ = false;
  }
}

void TagScanner::endLine() {
  if (insideTag_) {
    if (markTagLines_) appendTagByte('\n');
  } else if (!pendingText_.empty()) {
    pendingText_.push_back('\n');
  }
  ++line_;
  lineHasBytes_ = false;
}

void TagScanner::feedLine(std::string_view line) {
  scan<false>(line);
  endLine();
}

void TagScanner::feed(std::string_view bytes) { scan<true>(bytes); }

void TagScanner::finish() {
  if (lineHasBytes_) endLine();
  if (insideTag_) {
    if (!pendingTag_.empty() || tagCut_) endTag(std::string_view());
  } else if (!pendingText_.empty()) {
    sink_.text(pendingText_, textLine_);
  }
  pendingText_.clear();
  pendingTag_.clear();
  tagTail_.clear();
  tagCut_ = false;
  insideTag_ = false;
  line_ = 0;
  crPending_ = false;
  lineHasBytes_ = false;
}

}  // namespace markloom
