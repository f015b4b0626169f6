#include "core/findreplace/stream_replacer.h"

#include <string.h>

#include <algorithm>

#include "core/findreplace/word_bytes.h"

namespace markloom {

namespace {
bool isLineEnd(char c) { return c == '\n' || c == '\r'; }
}  // namespace

int progressPercent(const ReplaceCounters& counters) {
  if (counters.totalSize <= 0 || counters.bytesRead <= 0) return 0;
  // bytesRead * 100 could overflow only beyond 92 petabytes; divide first there.
  const std::int64_t read = counters.bytesRead, total = counters.totalSize;
  const std::int64_t percent = read < INT64_MAX / 100 ? read * 100 / total : read / (total / 100 + 1);
  return static_cast<int>(std::min<std::int64_t>(percent, 100));
}

StreamReplacer::StreamReplacer(const ReplaceOptions& options, ReplaceCounters& counters, std::size_t blockSize)
    : options_(options), counters_(counters), blockSize_(std::max<std::size_t>(blockSize, 1)) {
  needle_ = options.ignoreCase ? folded(options.find) : options.find;
}

bool StreamReplacer::fill() {
  emitUpTo(pos_);
  if (pos_ > 0) {
    buf_.erase(0, pos_);
    if (options_.ignoreCase) folded_.erase(0, pos_);
    base_ += static_cast<std::int64_t>(pos_);
    emitted_ -= pos_;
    pos_ = 0;
  }
  const std::size_t old = buf_.size();
  buf_.resize(old + blockSize_);
  const std::size_t got = input_->read(buf_.data() + old, blockSize_);
  buf_.resize(old + got);
  if (got == 0) eof_ = true;
  counters_.bytesRead += static_cast<std::int64_t>(got);
  if (options_.ignoreCase && got > 0) {
    folded_.append(buf_, old, got);
    foldInPlace(folded_.data() + old, got);
  }
  return !*progress_ || (*progress_)();
}

void StreamReplacer::writeOut(const char* data, std::size_t size) {
  if (size == 0) return;
  output_->write(data, size);
  counters_.bytesWritten += static_cast<std::int64_t>(size);
}

void StreamReplacer::trackLine(const char* data, std::size_t size) {
  std::size_t k = size;
  while (k > 0 && !isLineEnd(data[k - 1])) --k;
  if (k > 0) lineHead_.clear();  // a line ended inside: keep only what follows it
  const std::size_t room = kContextLength - lineHead_.size();
  lineHead_.append(data + k, std::min(size - k, room));
}

void StreamReplacer::emitUpTo(std::size_t i) {
  if (i <= emitted_) return;
  if (output_) writeOut(buf_.data() + emitted_, i - emitted_);
  if (tracking_) trackLine(buf_.data() + emitted_, i - emitted_);
  emitted_ = i;
}

std::size_t StreamReplacer::search(std::size_t from) const {
  const std::string& hay = options_.ignoreCase ? folded_ : buf_;
  if (from >= hay.size()) return std::string::npos;
  const void* hit = ::memmem(hay.data() + from, hay.size() - from, needle_.data(), needle_.size());
  return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - hay.data()) : std::string::npos;
}

std::string StreamReplacer::contextAt(std::size_t m) const {
  std::string line = lineHead_;
  for (std::size_t i = m; i < buf_.size() && line.size() < kContextLength && !isLineEnd(buf_[i]); ++i) {
    line.push_back(buf_[i]);
  }
  std::size_t lead = 0;
  while (lead < line.size() && static_cast<unsigned char>(line[lead]) <= ' ') ++lead;
  return line.substr(lead);
}

StreamResult StreamReplacer::run(ReplaceInput& input, const OutputOpener& openOutput, const ContextPrompt& prompt,
                                 const BlockProgress& progress) {
  input_ = &input;
  progress_ = &progress;
  output_ = nullptr;
  buf_.clear();
  folded_.clear();
  lineHead_.clear();
  base_ = 0;
  pos_ = emitted_ = 0;
  eof_ = false;

  const std::size_t len = needle_.size();
  const std::string& with = options_.replace;
  bool searching = len > 0;
  bool asking = searching && options_.prompt;
  tracking_ = asking;
  int prev = -1;  // the output byte before pos_; -1 at the start of the file

  const auto advance = [&](std::size_t to) {
    if (to > pos_) {
      prev = static_cast<unsigned char>(buf_[to - 1]);
      pos_ = to;
    }
  };

  for (;;) {
    if (!searching) {
      advance(buf_.size());
      if (eof_) break;
      if (!fill()) return StreamResult::Cancelled;
      continue;
    }
    // Keep enough ahead of the search position to see a whole occurrence, the
    // byte after it and, when asking, the rest of its line for the prompt.
    const std::size_t need = len + 1 + (asking ? kContextLength : 0);
    if (!eof_ && buf_.size() - pos_ < need) {
      if (!fill()) return StreamResult::Cancelled;
      continue;
    }
    const std::size_t m = search(pos_);
    if (m == std::string::npos) {
      // Nothing here; the last len - 1 bytes may still begin an occurrence.
      if (eof_) {
        advance(buf_.size());
        break;
      }
      advance(buf_.size() - (len - 1));
      if (!fill()) return StreamResult::Cancelled;
      continue;
    }
    if (!eof_ && buf_.size() - m < need) {
      advance(m);
      if (!fill()) return StreamResult::Cancelled;
      continue;
    }
    const int before = m > pos_ ? static_cast<unsigned char>(buf_[m - 1]) : prev;
    if (options_.wholeWords) {
      const bool boundaryBefore = before < 0 || !isWordByte(static_cast<unsigned char>(before));
      const bool boundaryAfter = m + len >= buf_.size() || !isWordByte(static_cast<unsigned char>(buf_[m + len]));
      if (!boundaryBefore || !boundaryAfter) {
        advance(m + 1);
        continue;
      }
    }
    if (asking) {
      advance(m);
      emitUpTo(m);
      const PromptAnswer answer = prompt(contextAt(m));
      if (answer == PromptAnswer::No || answer == PromptAnswer::Cancel) {
        advance(m + 1);
        if (answer == PromptAnswer::Cancel) searching = tracking_ = false;
        continue;
      }
      if (answer == PromptAnswer::All) asking = tracking_ = false;
    }
    if (!output_) {
      output_ = openOutput(base_ + static_cast<std::int64_t>(m));
      if (!output_) return StreamResult::OutputFailed;
      counters_.bytesWritten += base_ + static_cast<std::int64_t>(m);
      emitted_ = m;
    } else {
      emitUpTo(m);
    }
    writeOut(with.data(), with.size());
    if (tracking_) trackLine(with.data(), with.size());
    ++counters_.occurrences;
    prev = with.empty() ? before : static_cast<unsigned char>(with.back());
    pos_ = emitted_ = m + len;
  }
  emitUpTo(buf_.size());
  return output_ ? StreamResult::Changed : StreamResult::Unchanged;
}

}  // namespace markloom
