// The streaming replace engine against the plain whole-buffer procedure, on
// random files and options: both must give the same bytes, the same count and
// the same questions with the same context lines. The block size is drawn too,
// so occurrences fall across block edges.
//
// Input layout: byte 0 options (bit 0 ignore case, bit 1 whole words, bit 2
// prompt), byte 1 block size - 1, byte 2 answers seed, byte 3 find length,
// byte 4 replace length, then find, replace, and the file's bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/findreplace/memory_replace.h"
#include "core/findreplace/reference_replace.h"

namespace {
markloom::PromptAnswer answerFor(unsigned& state) {
  state = state * 1103515245u + 12345u;
  switch ((state >> 16) % 4) {
    case 0: return markloom::PromptAnswer::Yes;
    case 1: return markloom::PromptAnswer::No;
    case 2: return markloom::PromptAnswer::All;
    default: return markloom::PromptAnswer::Cancel;
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  markloom::ReplaceOptions o;
  o.ignoreCase = data[0] & 1;
  o.wholeWords = data[0] & 2;
  o.prompt = data[0] & 4;
  const std::size_t block = static_cast<std::size_t>(data[1]) + 1;
  const unsigned seed = data[2];
  std::size_t at = 5;
  const std::size_t findLength = std::min<std::size_t>(data[3] % 8, size - at);
  o.find = bytes.substr(at, findLength);
  at += findLength;
  const std::size_t replaceLength = std::min<std::size_t>(data[4] % 8, size - at);
  o.replace = bytes.substr(at, replaceLength);
  at += replaceLength;
  const std::string file = bytes.substr(at);

  unsigned engineState = seed, referenceState = seed;
  const auto streamed =
      markloom::test::streamReplace(file, o, block, [&](const std::string&) { return answerFor(engineState); });
  const auto reference =
      markloom::test::referenceReplace(file, o, [&](const std::string&) { return answerFor(referenceState); });

  if (streamed.text != reference.text) std::abort();
  if (streamed.counters.occurrences != reference.occurrences) std::abort();
  if (streamed.contexts != reference.contexts) std::abort();
  if (streamed.counters.bytesRead != static_cast<std::int64_t>(file.size())) std::abort();
  const bool changed = reference.occurrences > 0;
  if ((streamed.result == markloom::StreamResult::Changed) != changed) std::abort();
  if (streamed.counters.bytesWritten != (changed ? static_cast<std::int64_t>(reference.text.size()) : 0)) std::abort();
  return 0;
}
