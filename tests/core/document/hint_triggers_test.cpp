#include "core/document/hint_triggers.h"

#include <gtest/gtest.h>

#include <string>

namespace markloom {
namespace {

TEST(HintTriggers, EveryTriggerPicksItsListAndNearMissesPickNone) {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"history.", "Extensions\\JavaScript\\history.txt"},
      {"document.", "Extensions\\JavaScript\\document.txt"},
      {"frame.", "Extensions\\JavaScript\\frame.txt"},
      {"form.", "Extensions\\JavaScript\\form.txt"},
      {"link.", "Extensions\\JavaScript\\link.txt"},
      {"location.", "Extensions\\JavaScript\\location.txt"},
      {"math.", "Extensions\\JavaScript\\math.txt"},
      {"navigator.", "Extensions\\JavaScript\\navigator.txt"},
      {"window.", "Extensions\\JavaScript\\window.txt"},
      {"<", "Extensions\\tags.txt"},
      // Capitalised words, words without the dot, and longer words do not match.
      {"Document.", ""},
      {"Math.", ""},
      {"WINDOW.", ""},
      {"document", ""},
      {"mydocument.", ""},
      {"document.x", ""},
      {"<<", ""},
      {"", ""},
  };
  for (const auto& [word, file] : rows) {
    const HintTrigger* t = hintTriggerFor(word);
    EXPECT_EQ(t ? std::string(t->listFile) : std::string(), file) << word;
  }
  EXPECT_EQ(hintTriggers().size(), 10u);
}

}  // namespace
}  // namespace markloom
