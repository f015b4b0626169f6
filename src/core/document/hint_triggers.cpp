#include "core/document/hint_triggers.h"

namespace markloom {

const std::vector<HintTrigger>& hintTriggers() {
  // The names scripts really use, spelt as the language spells them, so what
  // is inserted runs. The frame objects a page reaches by name share the
  // window's list.
  static const std::vector<HintTrigger> table = {
      {"Array.", "Extensions\\JavaScript\\array.txt"},
      {"console.", "Extensions\\JavaScript\\console.txt"},
      {"Date.", "Extensions\\JavaScript\\date.txt"},
      {"document.", "Extensions\\JavaScript\\document.txt"},
      {"history.", "Extensions\\JavaScript\\history.txt"},
      {"JSON.", "Extensions\\JavaScript\\json.txt"},
      {"location.", "Extensions\\JavaScript\\location.txt"},
      {"Math.", "Extensions\\JavaScript\\math.txt"},
      {"navigator.", "Extensions\\JavaScript\\navigator.txt"},
      {"Number.", "Extensions\\JavaScript\\number.txt"},
      {"Object.", "Extensions\\JavaScript\\object.txt"},
      {"parent.", "Extensions\\JavaScript\\window.txt"},
      {"screen.", "Extensions\\JavaScript\\screen.txt"},
      {"self.", "Extensions\\JavaScript\\window.txt"},
      {"String.", "Extensions\\JavaScript\\string.txt"},
      {"top.", "Extensions\\JavaScript\\window.txt"},
      {"window.", "Extensions\\JavaScript\\window.txt"},
      {"<", "Extensions\\tags.txt"},
  };
  return table;
}

const HintTrigger* hintTriggerFor(std::string_view word) {
  for (const HintTrigger& t : hintTriggers())
    if (t.word == word) return &t;
  return nullptr;
}

}  // namespace markloom
