#pragma once
// One token as one JSON line:
//   {"tag":NAME,"raw":RAW,"params":[{"name":..,"value":..,"raw":..},...]}
//   {"text":TEXT,"raw":RAW}
// Strings are written byte for byte as Latin-1 code points (see json_text.h).
#include <string>

#include "core/analysis/html_tokens.h"

namespace markloom {

std::string tokenJson(const HtmlToken& token);

}  // namespace markloom
