#pragma once
// The Server Variables dialog's platforms: which list file fills its
// drop-down, and how the chosen variable is written on each.
#include <string>

#include "core/markup/tags/tag_markup.h"

namespace markloom::tags {

enum class Platform { Asp, ColdFusion, Ssi, Php };

struct ServerVariableFields {
  Platform platform = Platform::Asp;
  std::string variable;
  friend bool operator==(const ServerVariableFields&, const ServerVariableFields&) = default;
};

// The platform's list file, relative to the program folder ("Extensions\aspvars.qdf").
std::string serverVariablesFile(Platform platform);
// A snippet: the variable in the platform's syntax.
Markup serverVariableMarkup(const ServerVariableFields& fields);

}  // namespace markloom::tags
