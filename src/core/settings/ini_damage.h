#pragma once
// Checking the settings file's text before the store reads it. The store's
// reader skips what it cannot parse and then writes the rest back, so a
// damaged file would quietly lose the settings past the damage; the start-up
// check finds it first and says what is wrong and where.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace markloom {

struct IniDamage {
  std::size_t line = 0;  // from 1
  std::string what;
  bool operator==(const IniDamage&) const = default;
};

// The first damage in the file's bytes: a NUL byte, a section line without its
// closing ']' or with an empty name, or a line that is neither a [section], a
// name=value line, a comment (';' or '#') nor blank. Nothing when the text is
// sound.
std::optional<IniDamage> findIniDamage(std::string_view bytes);

}  // namespace markloom
