#pragma once
// The Server Variables dialog's modes: which list file fills the drop-down,
// and how the chosen variable is written for each server platform.
#include <optional>
#include <string>
#include <string_view>

namespace markloom::markup {

inline constexpr std::string_view kVariablesASP = "ASP";
inline constexpr std::string_view kVariablesCFM = "CFM";
inline constexpr std::string_view kVariablesSSI = "SSI";
inline constexpr std::string_view kVariablesPHP = "PHP";

// The list file of a mode, relative to the program folder ("Extensions\aspvars.qdf");
// nullopt for an unknown mode (exact comparison).
std::optional<std::string> serverVariablesFile(std::string_view mode);
// The text inserted for variable v; nullopt for an unknown mode.
std::optional<std::string> buildServerVariable(std::string_view mode, const std::string& v);

}  // namespace markloom::markup
