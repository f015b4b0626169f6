#include "core/markup/tags/server_variables_builder.h"

namespace markloom::tags {

std::string serverVariablesFile(Platform platform) {
  switch (platform) {
    case Platform::Asp: return "Extensions\\aspvars.qdf";
    case Platform::ColdFusion: return "Extensions\\cfmvars.qdf";
    case Platform::Ssi: return "Extensions\\ssivars.qdf";
    case Platform::Php: return "Extensions\\phpvars.qdf";
  }
  return {};
}

Markup serverVariableMarkup(const ServerVariableFields& f) {
  const std::string& v = f.variable;
  switch (f.platform) {
    case Platform::Asp: return snippet("<%= Request.ServerVariables(\"" + v + "\") %>");
    case Platform::ColdFusion: return snippet("#CGI." + v + "#");
    case Platform::Ssi: return snippet("<!--#ECHO VAR=\"" + v + "\" -->");
    case Platform::Php: return snippet("<?php echo $" + v + "; ?>");
  }
  return snippet({});
}

}  // namespace markloom::tags
