#pragma once
// Runs the streaming engine over a string, with a chosen block size, so tests
// and the fuzz target can put occurrences across every block edge.
#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "core/findreplace/stream_replacer.h"

namespace markloom::test {

class MemoryInput : public ReplaceInput {
 public:
  explicit MemoryInput(const std::string& bytes) : bytes_(bytes) {}
  std::size_t read(char* into, std::size_t max) override {
    const std::size_t n = std::min(max, bytes_.size() - at_);
    std::memcpy(into, bytes_.data() + at_, n);
    at_ += n;
    return n;
  }

 private:
  const std::string& bytes_;
  std::size_t at_ = 0;
};

class MemoryOutput : public ReplaceOutput {
 public:
  void write(const char* data, std::size_t size) override { bytes.append(data, size); }
  std::string bytes;
};

struct StreamOutcome {
  StreamResult result = StreamResult::Unchanged;
  std::string text;  // the output, or the input when nothing was written
  ReplaceCounters counters;
  std::vector<std::string> contexts;
};

inline StreamOutcome streamReplace(const std::string& input, const ReplaceOptions& options, std::size_t blockSize,
                                   const std::function<PromptAnswer(const std::string&)>& ask = {}) {
  StreamOutcome o;
  MemoryInput in(input);
  MemoryOutput out;
  bool opened = false;
  const OutputOpener open = [&](std::int64_t prefix) -> ReplaceOutput* {
    opened = true;
    out.bytes.assign(input, 0, static_cast<std::size_t>(prefix));
    return &out;
  };
  const ContextPrompt prompt = [&](const std::string& context) {
    o.contexts.push_back(context);
    return ask ? ask(context) : PromptAnswer::Yes;
  };
  StreamReplacer engine(options, o.counters, blockSize);
  o.result = engine.run(in, open, prompt, {});
  o.text = opened ? out.bytes : input;
  return o;
}

}  // namespace markloom::test
