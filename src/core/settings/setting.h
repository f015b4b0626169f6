#pragma once
// One stored setting: where it lives in the store, what kind of value it holds,
// what a new installation writes for it and what the Preferences dialog
// accepts. Every setting is one constant of settings_table.h; code reads a
// setting through its constant, so a misspelt setting does not compile.
#include <string_view>

namespace markloom {

enum class SettingKind {
  Flag,     // on only for exactly "True"
  Integer,  // a whole number within the row's range
  Text,     // free text: a path, a name, a caption
  Colour,   // a colour name ("clWindow") or number, as the colour text reads it
  List,     // numbers separated by commas or blanks ("9, 17")
};

struct IntegerRange {
  int minimum = 0;
  int maximum = 0;
};

struct SettingRow {
  std::string_view section;  // the store key; "" for the main key
  std::string_view key;      // the value name within it
  SettingKind kind = SettingKind::Text;
  // What a new installation writes; nullptr writes nothing (the value reads as "").
  const char* firstRun = nullptr;
  // What the value reads as while the store does not hold it; nullptr: "".
  // For options added after users have stores of their own, so that they
  // find the option as a new installation has it.
  const char* whenAbsent = nullptr;
  IntegerRange range{};
  bool emptyAllowed = true;  // an empty text passes validation (numbers, colours, lists)
  // How the Preferences dialog names the field: the check box caption of a
  // flag, the name an error message gives any other value.
  std::string_view label{};
  // Where Preferences > OK writes the value (ascending); 0: OK does not write it.
  int writeRank = 0;
  // False for values their owner reads from the store itself (the dialog-only
  // programs, the session switch); they are not part of the snapshot.
  bool inSnapshot = true;
};

// A row typed by its kind, so that reading gives the right type and a flag
// cannot be read as a number by mistake.
template <SettingKind K>
struct Setting {
  SettingRow row;
  consteval explicit Setting(SettingRow r) : row(r) { row.kind = K; }
};

using FlagSetting = Setting<SettingKind::Flag>;
using IntegerSetting = Setting<SettingKind::Integer>;
using TextSetting = Setting<SettingKind::Text>;
using ColourSetting = Setting<SettingKind::Colour>;
using ListSetting = Setting<SettingKind::List>;

}  // namespace markloom
