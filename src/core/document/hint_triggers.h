#pragma once
// The hint lists offered while typing: the word at the caret, compared exactly
// (case-sensitively) with each trigger in this order, picks the list file
// whose entries are shown at the caret.
#include <string_view>
#include <vector>

namespace markloom {

struct HintTrigger {
  std::string_view word;      // "document.", "<", ...
  std::string_view listFile;  // under the program folder, written with '\'
};

const std::vector<HintTrigger>& hintTriggers();
// The first trigger equal to word, or null: then no list is offered.
const HintTrigger* hintTriggerFor(std::string_view word);

}  // namespace markloom
