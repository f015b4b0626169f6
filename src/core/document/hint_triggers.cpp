#include "core/document/hint_triggers.h"

namespace markloom {

const std::vector<HintTrigger>& hintTriggers() {
  static const std::vector<HintTrigger> table = {
      {"history.", "Extensions\\JavaScript\\history.txt"}, {"document.", "Extensions\\JavaScript\\document.txt"},
      {"frame.", "Extensions\\JavaScript\\frame.txt"},     {"form.", "Extensions\\JavaScript\\form.txt"},
      {"link.", "Extensions\\JavaScript\\link.txt"},       {"location.", "Extensions\\JavaScript\\location.txt"},
      {"math.", "Extensions\\JavaScript\\math.txt"},       {"navigator.", "Extensions\\JavaScript\\navigator.txt"},
      {"window.", "Extensions\\JavaScript\\window.txt"},   {"<", "Extensions\\tags.txt"},
  };
  return table;
}

const HintTrigger* hintTriggerFor(std::string_view word) {
  for (const HintTrigger& t : hintTriggers())
    if (t.word == word) return &t;
  return nullptr;
}

}  // namespace markloom
