#include "core/markup/tags/server_variables_builder.h"

namespace markloom::markup {

std::optional<std::string> serverVariablesFile(std::string_view mode) {
  if (mode == kVariablesASP) return "Extensions\\aspvars.qdf";
  if (mode == kVariablesCFM) return "Extensions\\cfmvars.qdf";
  if (mode == kVariablesSSI) return "Extensions\\ssivars.qdf";
  if (mode == kVariablesPHP) return "Extensions\\phpvars.qdf";
  return std::nullopt;
}

std::optional<std::string> buildServerVariable(std::string_view mode, const std::string& v) {
  if (mode == kVariablesASP) return "<%= Request.ServerVariables(\"" + v + "\") %>";
  if (mode == kVariablesCFM) return "#CGI." + v + "#";
  if (mode == kVariablesSSI) return "<!--#ECHO VAR=\"" + v + "\" -->";
  if (mode == kVariablesPHP) return "<?php echo $" + v + "; ?>";
  return std::nullopt;
}

}  // namespace markloom::markup
