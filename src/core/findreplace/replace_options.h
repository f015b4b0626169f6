#pragma once
// What a find-and-replace pass is asked to do, and the figures it reports.
#include <cstdint>
#include <functional>
#include <string>

namespace markloom {

struct ReplaceOptions {
  std::string find;         // bytes; an empty text finds nothing
  std::string replace;      // bytes; empty deletes each occurrence
  bool ignoreCase = false;  // fold the letters a to z only
  bool wholeWords = false;
  bool prompt = false;  // ask before each replacement
  bool backup = false;  // keep the original as NAME.bak
};

// The answers to "Replace ... ?": All replaces this one and every later one in
// the same file without asking; Cancel replaces nothing more in the file but
// keeps what was already replaced.
enum class PromptAnswer { Yes, No, All, Cancel };

// Running figures of a pass. 64-bit so that large passes report correctly.
struct ReplaceCounters {
  std::int64_t filesRead = 0;
  std::int64_t bytesRead = 0;
  std::int64_t bytesWritten = 0;  // bytes written to replaced files
  std::int64_t occurrences = 0;   // occurrences replaced
  std::int64_t totalSize = 0;     // sum of the listed files' sizes, taken at the start
};

// Progress in percent: bytes read against the total size, 0 to 100
// (0 while the total is zero).
int progressPercent(const ReplaceCounters& counters);

// Asked with the context line of an occurrence (see StreamReplacer).
using ContextPrompt = std::function<PromptAnswer(const std::string& contextLine)>;
// Called after each block read; returning false cancels the pass.
using BlockProgress = std::function<bool()>;

}  // namespace markloom
