#pragma once
// The in-place editing every compressor pass is built on, and the moves past
// the parts of a page that passes keep whole.
#include <cstring>
#include <string>
#include <string_view>

#include "core/compress/byte_scan.h"

namespace markloom::compress_pass {

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

// Moves past a protected element starting at the scan position: to the third
// byte of its closing tag. Returns false when the closing tag is missing (the
// rest of the text is then kept and the pass must end).
inline bool passElement(InPlace& s, std::string_view closing) {
  const std::size_t j = scan::find(s.text(), closing, s.r());
  if (j == scan::npos) {
    s.keepRest();
    return false;
  }
  s.keep(j + 2);
  return true;
}

// Moves to the '>' of a server-side block's closer. False when unclosed.
inline bool passServerBlock(InPlace& s) {
  const std::size_t e = scan::serverCloserEnd(s.text(), s.r());
  if (e == scan::npos) {
    s.keepRest();
    return false;
  }
  s.keep(e);
  return true;
}

}  // namespace markloom::compress_pass
