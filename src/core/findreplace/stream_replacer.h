#pragma once
// The replace engine for one file, streaming: the input is read in blocks and
// every byte that is not part of a replaced occurrence is passed on unchanged,
// whatever the line ends or line lengths. Occurrences are found wherever they
// stand, also across block edges.
//
// Matching, left to right: after an occurrence that is not replaced the search
// resumes one byte further (overlapping occurrences are found); after a
// replacement it resumes after the inserted text. With whole words, the bytes
// on both sides of an occurrence must be non-word bytes (or the file's start
// or end); the byte before is taken from the text as it stands after the
// replacements made so far.
//
// No output exists until the first replacement: a file with nothing replaced is
// never written. At the first replacement the output is opened and handed the
// length of the input prefix it must copy before the engine goes on writing.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "core/findreplace/replace_options.h"

namespace markloom {

class ReplaceInput {
 public:
  virtual ~ReplaceInput() = default;
  // Up to max bytes into `into`; 0 at the end. Raises Error on a read failure.
  virtual std::size_t read(char* into, std::size_t max) = 0;
};

class ReplaceOutput {
 public:
  virtual ~ReplaceOutput() = default;
  // Raises Error on a write failure.
  virtual void write(const char* data, std::size_t size) = 0;
};

// Opens the output holding the first `prefix` bytes of the input already;
// nullptr when it cannot be created.
using OutputOpener = std::function<ReplaceOutput*(std::int64_t prefix)>;

enum class StreamResult {
  Unchanged,     // nothing replaced, no output opened
  Changed,       // output complete
  OutputFailed,  // the opener returned nullptr; nothing was written
  Cancelled,     // the progress callback asked to stop; output incomplete
};

class StreamReplacer {
 public:
  static constexpr std::size_t kDefaultBlockSize = 256 * 1024;
  static constexpr std::size_t kContextLength = 200;

  // counters are updated while running (bytes read, bytes written,
  // occurrences); the caller owns them.
  StreamReplacer(const ReplaceOptions& options, ReplaceCounters& counters, std::size_t blockSize = kDefaultBlockSize);

  // prompt is used when options.prompt is set. It gets the context line: the
  // line holding the occurrence (ended by LF or CR), as it stands after the
  // replacements so far, its first 200 bytes, leading blanks and control
  // characters removed. progress may be empty.
  StreamResult run(ReplaceInput& input, const OutputOpener& openOutput, const ContextPrompt& prompt,
                   const BlockProgress& progress);

 private:
  bool fill();                   // one more block; false when cancelled
  void emitUpTo(std::size_t i);  // passes buf_[emitted_, i) on
  void writeOut(const char* data, std::size_t size);
  void trackLine(const char* data, std::size_t size);
  std::size_t search(std::size_t from) const;
  std::string contextAt(std::size_t m) const;

  const ReplaceOptions& options_;
  ReplaceCounters& counters_;
  const std::size_t blockSize_;
  std::string needle_;  // folded when ignoring case

  ReplaceInput* input_ = nullptr;
  const BlockProgress* progress_ = nullptr;
  ReplaceOutput* output_ = nullptr;
  std::string buf_;     // input bytes from offset base_
  std::string folded_;  // buf_ folded, when ignoring case
  std::int64_t base_ = 0;
  std::size_t pos_ = 0;      // next undecided byte
  std::size_t emitted_ = 0;  // buf_ before this index has been passed on (or skipped)
  bool eof_ = false;
  bool tracking_ = false;  // keeping lineHead_ for prompts
  std::string lineHead_;   // output since the last line end, at most kContextLength bytes
};

}  // namespace markloom
