#pragma once
// The attribute names of a rule table, each numbered once, so that a rule's
// attributes are a bit set and asking whether it has one is a table probe and
// a bit test. Both attribute tables (the classic one and the HTML5 one) are
// built on it.
#include <bitset>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/analysis/name_table.h"

namespace markloom {

// The names of a blank-separated list, as views into it.
std::vector<std::string_view> splitNames(std::string_view text);

template <std::size_t MaxAttributes, std::size_t Slots = 512>
class AttributeNumbers {
 public:
  using Set = std::bitset<MaxAttributes>;

  // Puts every name into the set, numbering the ones met for the first time.
  // The names must outlive the numbering (the rule tables are static).
  template <class Names>
  void add(Set& set, const Names& names) {
    for (std::string_view name : names) set.set(number(name));
  }
  // Whether the set holds name; an unnumbered name is in no set.
  bool contains(const Set& set, std::string_view name) const {
    const int* id = ids_.find(name);
    return id && set.test(static_cast<std::size_t>(*id));
  }

 private:
  std::size_t number(std::string_view name) {
    int& id = ids_.insert(name);
    if (id == 0) id = ++count_;  // numbers start at 1; 0 marks a new entry
    return static_cast<std::size_t>(id);
  }

  NameTable<int, Slots> ids_;
  int count_ = 0;
};

}  // namespace markloom
