#pragma once
// A fixed open-addressing table from a short name to a value. Looking names up
// is the inner loop of the checks, once per tag and once per attribute, so it
// avoids the general-purpose hash map's hashing and node chasing. Names are
// views: the text they point at must outlive the table (the rule tables are
// static).
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace markloom {

template <class Value, std::size_t Slots = 512>
class NameTable {
  static_assert((Slots & (Slots - 1)) == 0, "a power of two, so a mask wraps the probe");

 public:
  Value& insert(std::string_view name) {
    const std::uint32_t h = hash(name);
    std::size_t i = h & kMask;
    for (std::size_t probes = 0; probes < Slots; ++probes, i = (i + 1) & kMask) {
      Slot& slot = slots_[i];
      if (!slot.used) {
        slot.used = true;
        slot.hash = h;
        slot.name = name;
        return slot.value;
      }
      if (slot.hash == h && sameBytes(slot.name, name)) return slot.value;
    }
    throw std::length_error("name table full");
  }
  const Value* find(std::string_view name) const {
    const std::uint32_t h = hash(name);
    for (std::size_t i = h & kMask;; i = (i + 1) & kMask) {
      const Slot& slot = slots_[i];
      if (!slot.used) return nullptr;
      if (slot.hash == h && sameBytes(slot.name, name)) return &slot.value;
    }
  }

 private:
  static constexpr std::size_t kMask = Slots - 1;
  struct Slot {
    bool used = false;
    std::uint32_t hash = 0;  // compared first: most probes end there
    std::string_view name;
    Value value{};
  };
  static std::uint32_t hash(std::string_view name) {
    std::uint32_t h = 2166136261u;
    for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h ^ (h >> 15);
  }
  // Names are short: a loop beats a call to the library's memcmp.
  static bool sameBytes(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (a[i] != b[i]) return false;
    return true;
  }
  Slot slots_[Slots];
};

}  // namespace markloom
